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

TEST(PixelFormatChoice, ScoreWeighsDepthTwiceAndDeepColourAHalfLess) {
  struct Case {
    PixelFormatTraits format;
    int score;
  };
  for (const Case& c : {
           Case{Usable(32, 24), 2072},               // hardware: 32 + 48 - 8 + 2000
           Case{Usable(16, 16), 2048},               // 16 bits of colour cost nothing
           Case{Usable(24, 32, true), 84},           // software: 24 + 64 - 4
           Case{Usable(24, 32, true, true), 1084},   // accelerated software
           Case{Usable(32, 24, false, true), 2072},  // the accelerated flag alone adds nothing
           Case{Usable(17, 0), 2017},                // (16 - 17) / 2 truncates to 0
           Case{Usable(25, 0), 2021},                // (16 - 25) / 2 truncates to -4
       }) {
    EXPECT_EQ(ScorePixelFormat(c.format), c.score)
        << c.format.colorBits << "/" << c.format.depthBits;
  }
}

TEST(PixelFormatChoice, OnlyDoubleBufferedRgbaOpenGlWindowFormatsQualify) {
  for (int missing = 0; missing < 4; ++missing) {
    PixelFormatTraits format = Usable(32, 24);
    (missing == 0   ? format.supportsOpenGl
     : missing == 1 ? format.drawsToWindow
     : missing == 2 ? format.doubleBuffered
                    : format.rgba) = false;
    EXPECT_FALSE(ScorePixelFormat(format).has_value()) << missing;
    EXPECT_FALSE(ChooseBestPixelFormat(std::vector<PixelFormatTraits>{format}).has_value());
  }
}

TEST(PixelFormatChoice, FirstOfTheBestScoresOrTheFallback) {
  PixelFormatTraits singleBuffered = Usable(32, 32);
  singleBuffered.doubleBuffered = false;
  const std::vector<PixelFormatTraits> formats = {Usable(24, 32, true), singleBuffered,
                                                  Usable(16, 16),       Usable(32, 24),
                                                  Usable(32, 24),       Usable(24, 24, true, true)};
  EXPECT_EQ(ChooseBestPixelFormat(formats), 4) << "the best, the lower index on ties";
  EXPECT_EQ(ChooseBestPixelFormat(std::vector<PixelFormatTraits>{Usable(24, 32, true)}), 1);
  // A best score must beat 0.
  EXPECT_FALSE(ChooseBestPixelFormat(std::vector<PixelFormatTraits>{Usable(0, 0, true)}));
  EXPECT_FALSE(ChooseBestPixelFormat(std::vector<PixelFormatTraits>{}).has_value());

  // Asked of the system instead: a double-buffered RGBA OpenGL window with 24
  // bits of colour and of depth, nothing else.
  const PixelFormatTraits& fallback = kFallbackPixelFormat;
  EXPECT_TRUE(fallback.supportsOpenGl && fallback.drawsToWindow && fallback.doubleBuffered &&
              fallback.rgba);
  EXPECT_FALSE(fallback.genericFormat || fallback.genericAccelerated);
  EXPECT_EQ(fallback.colorBits, 24);
  EXPECT_EQ(fallback.depthBits, 24);
}
