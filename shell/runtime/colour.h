// Colours as the platform stores them: 0x00BBGGRR.
#pragma once

#include <cstdint>

namespace zelvane::rt {

using Colour = std::uint32_t;

constexpr Colour Rgb(int red, int green, int blue) {
  return static_cast<Colour>((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16);
}

inline constexpr Colour kBlack = Rgb(0, 0, 0);
inline constexpr Colour kWhite = Rgb(255, 255, 255);

}  // namespace zelvane::rt
