#include "field/hsv_colour.h"

#include <gtest/gtest.h>

#include <array>

namespace {
std::array<float, 3> Rgb(float hue, float saturation, float value) {
  std::array<float, 3> rgb;
  HsvToRgb(hue, saturation, value, rgb[0], rgb[1], rgb[2]);
  return rgb;
}
}  // namespace

TEST(HsvToRgb, PureHuesAroundTheWheel) {
  using Rgb3 = std::array<float, 3>;
  EXPECT_EQ(Rgb(0.0f, 1, 1), (Rgb3{1, 0, 0}));
  EXPECT_EQ(Rgb(0.125f, 1, 1), (Rgb3{1, 0.75f, 0}));
  EXPECT_NEAR(Rgb(0.25f, 1, 1)[0], 0.5f, 1e-5f);
  EXPECT_EQ(Rgb(0.25f, 1, 1)[1], 1.0f);
  EXPECT_NEAR(Rgb(0.5f, 1, 1)[2], 1.0f, 1e-5f);
  EXPECT_EQ(Rgb(0.625f, 1, 1), (Rgb3{0, 0.25f, 1}));
  EXPECT_NEAR(Rgb(0.75f, 1, 1)[0], 0.5f, 1e-5f);
  EXPECT_EQ(Rgb(0.75f, 1, 1)[2], 1.0f);
}

TEST(HsvToRgb, HueOfOneFallsJustBelowZeroBlue) {
  // The last sextant's offset, 0.833333 as a 32-bit float, lies below 5/6.
  const auto rgb = Rgb(1.0f, 1, 1);
  EXPECT_EQ(rgb[0], 1.0f);
  EXPECT_EQ(rgb[1], 0.0f);
  EXPECT_LT(rgb[2], 0.0f);
  EXPECT_EQ(rgb[2], -1.9073486328125e-06f);
}

TEST(HsvToRgb, SaturationMixesInWhiteBeforeValueScales) {
  using Rgb3 = std::array<float, 3>;
  EXPECT_EQ(Rgb(0.0f, 0.0f, 0.5f), (Rgb3{0.5f, 0.5f, 0.5f}));
  EXPECT_EQ(Rgb(0.0f, 0.5f, 1.0f), (Rgb3{1.0f, 0.5f, 0.5f}));
  EXPECT_EQ(Rgb(0.0f, 0.5f, 0.5f), (Rgb3{0.5f, 0.25f, 0.25f}));
}
