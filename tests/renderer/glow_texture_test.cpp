#include "scene/glow_texture.h"

#include <gtest/gtest.h>

#include <algorithm>

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

TEST(GlowTexture, UploadedTexelsCarryTheGlowInEveryColourAndAreOpaque) {
  GlowTexture glow;
  BuildGlowTexture(glow);
  GlowTextureRgba rgba;
  rgba.fill(7);
  ExpandGlowTexture(glow, rgba);
  for (int row = 0; row < kGlowTextureSize; ++row) {
    for (int column = 0; column < kGlowTextureSize; ++column) {
      const uint8_t* texel = &rgba[static_cast<size_t>(row * kGlowTextureSize + column) * 4];
      const uint8_t expected = GlowTexel(glow, row, column);
      ASSERT_TRUE(texel[0] == expected && texel[1] == expected && texel[2] == expected &&
                  texel[3] == 255)
          << row << "," << column;
    }
  }
}
