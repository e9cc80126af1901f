// Building the glow texture (glow_texture.h); uploaded in win32_scene.cpp.
#include "scene/glow_texture.h"

#include <algorithm>
#include <cmath>

void BuildGlowTexture(GlowTexture& texture) {
  constexpr int kCentre = kGlowTextureSize / 2;
  constexpr double kTexelSpan = 1.0 / kCentre;
  for (int i = 0; i < kGlowTextureSize; ++i) {
    for (int j = 0; j < kGlowTextureSize; ++j) {
      const double a = (i - kCentre) * kTexelSpan;
      const double b = (j - kCentre) * kTexelSpan;
      const double glow = std::clamp(1.0 - std::sqrt(a * a + b * b), 0.0, 1.0);
      texture[i * kGlowTextureSize + j] = static_cast<uint8_t>(255.0 * glow * glow);
    }
  }
}

void ExpandGlowTexture(const GlowTexture& glow, GlowTextureRgba& rgba) {
  constexpr uint8_t kOpaque = 255;
  for (size_t i = 0; i < glow.size(); ++i) {
    uint8_t* texel = &rgba[i * kRgbaChannels];
    texel[0] = texel[1] = texel[2] = glow[i];
    texel[3] = kOpaque;
  }
}
