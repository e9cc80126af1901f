// Layout units. Forms and controls are placed in twips, 15 to the pixel; a
// drawing surface measures either in twips or in pixels.
#pragma once

#include <cmath>

namespace zelvane::rt {

inline constexpr int kTwipsPerPixel = 15;

enum class ScaleMode { kTwips, kPixels };

// The one rounding from twips to pixels, for every place and size: the
// nearest whole pixel, halves away from zero (7.5 twips -> 1, -7.5 -> -1). A
// place computed in fractions of a twip rounds the same way (102.5 -> 7).
inline int TwipsToPixels(double twips) {
  return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}
constexpr int PixelsToTwips(int pixels) {
  return pixels * kTwipsPerPixel;
}

// A value in the given unit, as pixels and back.
inline int ToPixels(double value, ScaleMode mode) {
  return mode == ScaleMode::kPixels ? static_cast<int>(std::lround(value)) : TwipsToPixels(value);
}
constexpr double FromPixels(int pixels, ScaleMode mode) {
  return mode == ScaleMode::kPixels ? pixels : static_cast<double>(PixelsToTwips(pixels));
}

// Position and size of a control inside its container, in twips.
struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const Bounds&, const Bounds&) = default;
};

// A place in pixels. Each of the four values rounds on its own, so a
// control's pixel size does not depend on where it sits.
struct PixelPlace {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const PixelPlace&, const PixelPlace&) = default;
};

inline PixelPlace PixelPlaceOf(const Bounds& b) {
  return {TwipsToPixels(b.left), TwipsToPixels(b.top), TwipsToPixels(b.width),
          TwipsToPixels(b.height)};
}

constexpr Bounds PixelBounds(int left, int top, int width, int height) {
  return {PixelsToTwips(left), PixelsToTwips(top), PixelsToTwips(width), PixelsToTwips(height)};
}

}  // namespace zelvane::rt
