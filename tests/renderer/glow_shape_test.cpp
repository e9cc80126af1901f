#include "scene/glow_shape.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace {
double Cross(const BillboardCorner& a, const BillboardCorner& b, double s, double t) {
  return (b.s - a.s) * (t - a.t) - (b.t - a.t) * (s - a.s);
}
}  // namespace

// Linear filtering reads texel (row, column) at any texture place within one
// texel of its centre ((column + 0.5) / 64, (row + 0.5) / 64) on each axis.
TEST(GlowShape, TheBoundingSquareHoldsEveryPlaceANonZeroTexelReachesAndNoMore) {
  GlowTexture texture;
  BuildGlowTexture(texture);
  const GlowShape shape = BoundingGlowShape(texture);
  constexpr int kSides = 4;
  ASSERT_EQ(shape.cornerCount, kSides);
  constexpr double kTexel = 1.0 / kGlowTextureSize;
  std::array<double, kSides> slack;  // how close the reach comes to each side
  slack.fill(1.0);
  for (int row = 0; row < kGlowTextureSize; ++row) {
    for (int column = 0; column < kGlowTextureSize; ++column) {
      if (GlowTexel(texture, row, column) == 0) continue;
      for (const double s : {(column - 0.5) * kTexel, (column + 1.5) * kTexel}) {
        for (const double t : {(row - 0.5) * kTexel, (row + 1.5) * kTexel}) {
          for (int side = 0; side < kSides; ++side) {
            const double inside =
                Cross(shape.corners[side], shape.corners[(side + 1) % kSides], s, t);
            ASSERT_GE(inside, -1e-9) << row << "," << column << " outside side " << side;
            slack[side] = std::min(slack[side], inside);
          }
        }
      }
    }
  }
  for (int side = 0; side < kSides; ++side) {
    EXPECT_LT(slack[side], 1e-9) << "side " << side << " loose";
  }
  // That the corners' places follow their texture coordinates is checked with the batch.
  EXPECT_EQ(BoundingGlowShape(GlowTexture{}).triangleCount, 0) << "nothing to draw, no triangles";
}
