// Scoring and choosing pixel formats (pixel_format_choice.h); used by
// win32_scene.cpp.
#include "scene/pixel_format_choice.h"

namespace {
constexpr int kHardwareBonus = 2000;
constexpr int kAcceleratedGenericBonus = 1000;
constexpr int kPlainColorBits = 16;
}  // namespace

std::optional<int> ScorePixelFormat(const PixelFormatTraits& format) {
  if (!format.supportsOpenGl || !format.drawsToWindow || !format.doubleBuffered || !format.rgba) {
    return std::nullopt;
  }
  int score = format.colorBits + 2 * format.depthBits;
  // Deep colour costs a little so that depth precision weighs more.
  if (format.colorBits > kPlainColorBits) score += (kPlainColorBits - format.colorBits) / 2;
  if (!format.genericFormat) {
    score += kHardwareBonus;
  } else if (format.genericAccelerated) {
    score += kAcceleratedGenericBonus;
  }
  return score;
}

std::optional<int> ChooseBestPixelFormat(std::span<const PixelFormatTraits> formats) {
  std::optional<int> best;
  int bestScore = 0;
  for (size_t i = 0; i < formats.size(); ++i) {
    const std::optional<int> score = ScorePixelFormat(formats[i]);
    if (score && *score > bestScore) {
      bestScore = *score;
      best = static_cast<int>(i) + 1;
    }
  }
  return best;
}
