#include "scene/pixel_format_choice.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {
PixelFormatTraits Usable(int colorBits, int depthBits, bool generic = false,
                         bool accelerated = false) {
  return {true, true, true, true, generic, accelerated, colorBits, depthBits};
}
}  // namespace

TEST(PixelFormatChoice, ScoreWeighsDepthTwiceAndDeepColourAHalfLess) {
  // Formats that cannot serve a double-buffered RGBA OpenGL window score nothing.
  PixelFormatTraits unusable[4] = {Usable(32, 24), Usable(32, 24), Usable(32, 24), Usable(32, 24)};
  unusable[0].supportsOpenGl = unusable[1].drawsToWindow = unusable[2].doubleBuffered =
      unusable[3].rgba = false;
  struct Case {
    PixelFormatTraits format;
    std::optional<int> score;
  };
  for (const Case& c : {
           Case{Usable(32, 24), 2072},               // hardware: 32 + 48 - 8 + 2000
           Case{Usable(16, 16), 2048},               // 16 bits of colour cost nothing
           Case{Usable(24, 32, true), 84},           // software: 24 + 64 - 4
           Case{Usable(24, 32, true, true), 1084},   // accelerated software
           Case{Usable(32, 24, false, true), 2072},  // the accelerated flag alone adds nothing
           Case{Usable(17, 0), 2017},                // (16 - 17) / 2 truncates to 0
           Case{Usable(25, 0), 2021},                // (16 - 25) / 2 truncates to -4
           Case{unusable[0], {}},
           Case{unusable[1], {}},
           Case{unusable[2], {}},
           Case{unusable[3], {}},
       }) {
    EXPECT_EQ(ScorePixelFormat(c.format), c.score)
        << c.format.colorBits << "/" << c.format.depthBits;
  }
}

TEST(PixelFormatChoice, FirstOfTheBestScoresOrTheFallback) {
  PixelFormatTraits singleBuffered = Usable(32, 32);
  singleBuffered.doubleBuffered = false;
  using Formats = std::vector<PixelFormatTraits>;
  const Formats formats = {Usable(24, 32, true), singleBuffered, Usable(16, 16),
                           Usable(32, 24),       Usable(32, 24), Usable(24, 24, true, true)};
  EXPECT_EQ(ChooseBestPixelFormat(formats), 4) << "the best, the lower index on ties";
  // A best score must beat 0; with none, the fallback is asked of the system.
  EXPECT_EQ(ChooseBestPixelFormat(Formats{Usable(1, 0, true)}), 1);
  EXPECT_EQ(ChooseBestPixelFormat(Formats{Usable(0, 0, true)}), std::nullopt);
  EXPECT_EQ(ChooseBestPixelFormat(Formats{singleBuffered}), std::nullopt);
  EXPECT_EQ(ChooseBestPixelFormat(Formats{}), std::nullopt);

  // A double-buffered RGBA OpenGL window with 24 bits of colour and of depth.
  const PixelFormatTraits& f = kFallbackPixelFormat;
  EXPECT_TRUE(f.supportsOpenGl && f.drawsToWindow && f.doubleBuffered && f.rgba);
  EXPECT_FALSE(f.genericFormat || f.genericAccelerated);
  EXPECT_EQ(f.colorBits, 24);
  EXPECT_EQ(f.depthBits, 24);
}
