#include "field/hsv_colour.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <tuple>

namespace {
using Rgb = std::array<float, 3>;

Rgb Convert(float hue, float saturation = 1.0f, float value = 1.0f) {
  Rgb rgb;
  HsvToRgb(hue, saturation, value, rgb[0], rgb[1], rgb[2]);
  return rgb;
}
}  // namespace

TEST(HsvToRgb, EverySextantWithSaturationMixingInWhiteAndValueScaling) {
  // Hue 0.1 is (1, 0.6, 0): half saturation gives (1, 0.8, 0.5), then halved.
  using Case = std::tuple<float, float, float, Rgb>;
  for (const auto& [hue, saturation, value, expected] :
       {Case{0.1f, 1, 1, {1, 0.6f, 0}}, Case{0.25f, 1, 1, {0.5f, 1, 0}},
        Case{0.4f, 1, 1, {0, 1, 0.4f}}, Case{0.6f, 1, 1, {0, 0.4f, 1}},
        Case{0.75f, 1, 1, {0.5f, 0, 1}}, Case{0.9f, 1, 1, {1, 0, 0.6f}},
        Case{0.1f, 0.5f, 0.5f, {0.5f, 0.4f, 0.25f}}}) {
    const Rgb rgb = Convert(hue, saturation, value);
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(rgb[i], expected[i], 1e-5) << hue << " channel " << i;
  }
  // The last sextant's offset, 0.833333 as a 32-bit float, lies below 5/6.
  EXPECT_EQ(Convert(1.0f), (Rgb{1.0f, 0.0f, -1.9073486328125e-06f}));
}

TEST(HsvToRgb, EachBoundIsTheSixDigitDecimal) {
  // Which channels sit at exactly 1 and 0 tells the sextant a hue fell in.
  constexpr int kSextants[][2] = {{0, 2}, {1, 2}, {1, 0}, {2, 0}, {2, 1}, {0, 1}};
  constexpr double kBounds[] = {0.166667, 0.333333, 0.5, 0.666667, 0.833333};
  for (int i = 0; i < 5; ++i) {
    const float near = static_cast<float>(kBounds[i]);
    const float below = near < kBounds[i] ? near : std::nextafter(near, 0.0f);
    const float above = near >= kBounds[i] ? near : std::nextafter(near, 1.0f);
    for (const auto& [hue, sextant] : {std::pair{below, i}, {above, i + 1}}) {
      const Rgb rgb = Convert(hue);
      EXPECT_EQ(rgb[kSextants[sextant][0]], 1.0f) << "hue " << hue;
      EXPECT_EQ(rgb[kSextants[sextant][1]], 0.0f) << "hue " << hue;
    }
  }
}

TEST(HsvToRgb, EachOffsetIsTheThirtyTwoBitFloatOfItsDecimal) {
  // Hue, channel, value: with the six-digit decimals themselves as offsets the
  // four channels would come out one to three units of the last place apart.
  using Case = std::tuple<float, int, float>;
  for (const auto& [hue, channel, value] :
       {Case{0x1.69d06cp-3f, 0, 0x1.e147ap-1f}, Case{0x1.5f92b4p-2f, 2, 0x1.eb862p-5f},
        Case{0x1.5a741ep-1f, 0, 0x1.eb874p-5f}, Case{0x1.afc95cp-1f, 2, 0x1.e14798p-1f}}) {
    EXPECT_EQ(Convert(hue)[static_cast<size_t>(channel)], value) << hue;
  }
}
