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
  EXPECT_EQ(GlowTexel(texture, 0, 32), 0);
  EXPECT_EQ(GlowTexel(texture, 63, 32), 0);
  EXPECT_EQ(GlowTexel(texture, 32, 63), 0);
  EXPECT_EQ(GlowTexel(texture, 0, 0), 0);
  EXPECT_EQ(std::count_if(texture.begin(), texture.end(), [](uint8_t t) { return t != 0; }), 2809);
}

TEST(GlowTexture, IsRoundAboutItsCentre) {
  GlowTexture texture;
  BuildGlowTexture(texture);
  for (int d = 1; d < 32; ++d) {
    const uint8_t right = GlowTexel(texture, 32, 32 + d);
    EXPECT_EQ(GlowTexel(texture, 32, 32 - d), right) << d;
    EXPECT_EQ(GlowTexel(texture, 32 + d, 32), right) << d;
    EXPECT_EQ(GlowTexel(texture, 32 - d, 32), right) << d;
    EXPECT_LE(right, GlowTexel(texture, 32, 32 + d - 1)) << d;
  }
}
