#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "scene/glow_texture.h"
#include "scene/pixel_format_choice.h"

TEST(GlowTexture, FallsFromTheCentreToNothingAtTheRim) {
  GlowTexture texture;
  texture.fill(7);
  BuildGlowTexture(texture);
  EXPECT_EQ(GlowTexel(texture, 32, 32), 255);
  EXPECT_EQ(GlowTexel(texture, 32, 33), 239);
  EXPECT_EQ(GlowTexel(texture, 32, 40), 143);
  EXPECT_EQ(GlowTexel(texture, 32, 48), 63);
  for (auto [row, column] : {std::pair{0, 32}, {63, 32}, {32, 63}, {0, 0}}) {
    EXPECT_EQ(GlowTexel(texture, row, column), 0) << row << "," << column;
  }
  EXPECT_EQ(std::count_if(texture.begin(), texture.end(), [](uint8_t t) { return t != 0; }), 2809);
}

namespace {
PixelFormatTraits Usable(int colorBits, int depthBits, bool generic = false) {
  // OpenGL, window, double buffer, RGBA; generic, generic accelerated.
  return {true, true, true, true, generic, false, colorBits, depthBits};
}
}  // namespace

TEST(PixelFormatChoice, BestDoubleBufferedRgbaFormatOrTheFallback) {
  EXPECT_EQ(ScorePixelFormat(Usable(32, 24)), 2072);
  EXPECT_EQ(ScorePixelFormat(Usable(16, 16)), 2048);
  EXPECT_EQ(ScorePixelFormat(Usable(24, 32, /*generic=*/true)), 84);
  PixelFormatTraits accelerated = Usable(24, 32, true);
  accelerated.genericAccelerated = true;
  EXPECT_EQ(ScorePixelFormat(accelerated), 1084);

  PixelFormatTraits singleBuffered = Usable(32, 32);
  singleBuffered.doubleBuffered = false;
  const std::vector<PixelFormatTraits> formats = {Usable(24, 32, true), singleBuffered,
                                                  Usable(32, 24), Usable(32, 24)};
  EXPECT_EQ(ChooseBestPixelFormat(formats), 3) << "the best, the lower index on ties";

  PixelFormatTraits colorIndex = Usable(8, 16);
  colorIndex.rgba = false;
  EXPECT_FALSE(ChooseBestPixelFormat(std::vector<PixelFormatTraits>{colorIndex}).has_value());
  EXPECT_TRUE(ScorePixelFormat(kFallbackPixelFormat).has_value()) << "double-buffered RGBA";
  EXPECT_EQ(kFallbackPixelFormat.colorBits, 24);
  EXPECT_EQ(kFallbackPixelFormat.depthBits, 24);
}
