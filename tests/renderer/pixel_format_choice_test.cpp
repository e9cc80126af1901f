#include "scene/pixel_format_choice.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

namespace {
PixelFormatTraits Usable(int colorBits, int depthBits, bool generic = false,
                         bool accelerated = false) {
  return {true, true, true, true, generic, accelerated, colorBits, depthBits};
}

PixelFormatTraits Without(bool PixelFormatTraits::*flag) {
  PixelFormatTraits format = Usable(32, 32);
  format.*flag = false;
  return format;
}
}  // namespace

TEST(PixelFormatChoice, ScoreWeighsDepthTwiceAndDeepColourAHalfLess) {
  using Case = std::pair<PixelFormatTraits, std::optional<int>>;
  for (const auto& [format, score] :
       {Case{Usable(32, 24), 2072},               // hardware: 32 + 48 - 8 + 2000
        Case{Usable(24, 32, true), 84},           // software: 24 + 64 - 4
        Case{Usable(24, 32, true, true), 1084},   // accelerated software
        Case{Usable(32, 24, false, true), 2072},  // the accelerated flag alone adds nothing
        Case{Usable(25, 0), 2021},                // (16 - 25) / 2 truncates to -4
        Case{Without(&PixelFormatTraits::supportsOpenGl), {}},
        Case{Without(&PixelFormatTraits::drawsToWindow), {}},
        Case{Without(&PixelFormatTraits::doubleBuffered), {}},
        Case{Without(&PixelFormatTraits::rgba), {}}}) {
    EXPECT_EQ(ScorePixelFormat(format), score) << format.colorBits;
  }
}

TEST(PixelFormatChoice, FirstOfTheBestScoresOrNoneForTheFallback) {
  const PixelFormatTraits singleBuffered = Without(&PixelFormatTraits::doubleBuffered);
  using Formats = std::vector<PixelFormatTraits>;
  const Formats formats = {Usable(24, 32, true), singleBuffered, Usable(32, 24), Usable(32, 24)};
  EXPECT_EQ(ChooseBestPixelFormat(formats), 3) << "the best, the lower index on ties";
  // A best score must beat 0; with none, the fallback is asked of the system.
  EXPECT_EQ(ChooseBestPixelFormat(Formats{Usable(1, 0, true)}), 1);
  EXPECT_EQ(ChooseBestPixelFormat(Formats{Usable(0, 0, true)}), std::nullopt);
  EXPECT_EQ(ChooseBestPixelFormat(Formats{singleBuffered}), std::nullopt);
}
