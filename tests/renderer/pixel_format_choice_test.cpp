#include "scene/pixel_format_choice.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
PixelFormatTraits Usable(int colorBits, int depthBits, bool generic = false,
                         bool accelerated = false) {
  return {.supportsOpenGl = true,
          .drawsToWindow = true,
          .doubleBuffered = true,
          .rgba = true,
          .genericFormat = generic,
          .genericAccelerated = accelerated,
          .colorBits = colorBits,
          .depthBits = depthBits};
}
}  // namespace

TEST(PixelFormatChoice, ScoresFavourHardwareThenPrecision) {
  EXPECT_EQ(ScorePixelFormat(Usable(32, 24)), 2072);
  EXPECT_EQ(ScorePixelFormat(Usable(16, 16)), 2048);
  EXPECT_EQ(ScorePixelFormat(Usable(24, 32, /*generic=*/true)), 84);
  EXPECT_EQ(ScorePixelFormat(Usable(24, 32, /*generic=*/true, /*accelerated=*/true)), 1084);
  EXPECT_EQ(ScorePixelFormat(Usable(17, 0)), 2017);  // (16 - 17) / 2 truncates to 0
}

TEST(PixelFormatChoice, FormatsMissingAnyRequirementDoNotQualify) {
  PixelFormatTraits format = Usable(32, 24);
  for (bool PixelFormatTraits::*requirement :
       {&PixelFormatTraits::supportsOpenGl, &PixelFormatTraits::drawsToWindow,
        &PixelFormatTraits::doubleBuffered, &PixelFormatTraits::rgba}) {
    PixelFormatTraits lacking = format;
    lacking.*requirement = false;
    EXPECT_FALSE(ScorePixelFormat(lacking).has_value());
  }
}

TEST(PixelFormatChoice, PicksTheHighestScoreAndTheLowerIndexOnTies) {
  PixelFormatTraits singleBuffered = Usable(32, 32);
  singleBuffered.doubleBuffered = false;
  const std::vector<PixelFormatTraits> formats = {Usable(24, 32, true), singleBuffered,
                                                  Usable(16, 16), Usable(32, 24), Usable(32, 24)};
  EXPECT_EQ(ChooseBestPixelFormat(formats), 4);

  const std::vector<PixelFormatTraits> ties = {Usable(16, 16, true), Usable(16, 16),
                                               Usable(16, 16)};
  EXPECT_EQ(ChooseBestPixelFormat(ties), 2);
}

TEST(PixelFormatChoice, FallsBackToADoubleBufferedRgbaRequest) {
  PixelFormatTraits colorIndex = Usable(8, 16);
  colorIndex.rgba = false;
  EXPECT_FALSE(ChooseBestPixelFormat(std::vector<PixelFormatTraits>{colorIndex}).has_value());
  EXPECT_FALSE(ChooseBestPixelFormat({}).has_value());

  // What is then asked of the system must itself qualify.
  EXPECT_TRUE(ScorePixelFormat(kFallbackPixelFormat).has_value());
  EXPECT_EQ(kFallbackPixelFormat.colorBits, 24);
  EXPECT_EQ(kFallbackPixelFormat.depthBits, 24);
}
