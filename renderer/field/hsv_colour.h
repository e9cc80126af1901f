// The trail colours' hue/saturation/value conversion. Platform-neutral.
#pragma once

// Hue/saturation/value to red/green/blue. The sextant bounds are the six-digit
// decimals 0.166667, 0.333333, ...; the offsets subtracted from the hue are
// those decimals as 32-bit floats. So a hue of exactly 1 gives a blue very
// slightly below 0, which the drawing clamps.
inline void HsvToRgb(float hue, float saturation, float value, float& red, float& green,
                     float& blue) {
  const double h = hue;
  double r, g, b;
  if (h < 0.166667) {
    r = 1.0, g = 6.0 * h, b = 0.0;
  } else if (h < 0.333333) {
    r = 1.0 - 6.0 * (h - static_cast<double>(0.166667f)), g = 1.0, b = 0.0;
  } else if (h < 0.5) {
    r = 0.0, g = 1.0, b = 6.0 * (h - static_cast<double>(0.333333f));
  } else if (h < 0.666667) {
    r = 0.0, g = 1.0 - 6.0 * (h - 0.5), b = 1.0;
  } else if (h < 0.833333) {
    r = 6.0 * (h - static_cast<double>(0.666667f)), g = 0.0, b = 1.0;
  } else {
    r = 1.0, g = 0.0, b = 1.0 - 6.0 * (h - static_cast<double>(0.833333f));
  }
  const double s = saturation;
  red = static_cast<float>((1.0 - s * (1.0 - r)) * value);
  green = static_cast<float>((1.0 - s * (1.0 - g)) * value);
  blue = static_cast<float>((1.0 - s * (1.0 - b)) * value);
}
