#include "scene/glow_texture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

TEST(GlowTexture, FallsFromTheCentreToNothingAtTheRimAndUploadsAsOpaqueGrey) {
  GlowTexture texture;
  texture.fill(7);
  BuildGlowTexture(texture);
  // Row, column, value: the centre, falling outwards.
  constexpr int kTexels[][3] = {{32, 32, 255}, {32, 33, 239}, {40, 32, 143}, {32, 48, 63}};
  for (const auto& [row, column, texel] : kTexels) {
    EXPECT_EQ(GlowTexel(texture, row, column), texel) << row << "," << column;
  }
  EXPECT_EQ(std::count_if(texture.begin(), texture.end(), [](uint8_t t) { return t != 0; }), 2809);
  GlowTextureRgba rgba;
  rgba.fill(7);
  ExpandGlowTexture(texture, rgba);
  for (size_t i = 0; i < texture.size(); ++i) {
    const uint8_t g = texture[i];
    ASSERT_EQ((std::array{rgba[4 * i], rgba[4 * i + 1], rgba[4 * i + 2], rgba[4 * i + 3]}),
              (std::array<uint8_t, 4>{g, g, g, 255}))
        << i;
  }
}
