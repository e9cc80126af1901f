#include "scene/glow_shape.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
double Cross(const BillboardCorner& a, const BillboardCorner& b, double s, double t) {
  return (b.s - a.s) * (t - a.t) - (b.t - a.t) * (s - a.s);
}

// Twice the signed area of the polygon through the given corners, in texture units.
double DoubleArea(const GlowShape& shape, const uint8_t* corners, int count) {
  double area = 0;
  for (int i = 0; i < count; ++i) {
    const BillboardCorner& a = shape.corners[corners[i]];
    const BillboardCorner& b = shape.corners[corners[(i + 1) % count]];
    area += double{a.s} * b.t - double{b.s} * a.t;
  }
  return area;
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
  // 60 of the 64 texels across, and the texture coordinates follow the corners.
  const uint8_t all[] = {0, 1, 2, 3};
  EXPECT_NEAR(DoubleArea(shape, all, kSides) / 2, 3600.0 / 4096, 1e-6);
  for (const BillboardCorner& corner : shape.corners) {
    EXPECT_FLOAT_EQ(corner.x, 2 * corner.s - 1);
    EXPECT_FLOAT_EQ(corner.y, 2 * corner.t - 1);
  }
}

TEST(GlowShape, TrianglesAreCounterClockwiseAndFillTheShapeOnce) {
  GlowTexture texture;
  BuildGlowTexture(texture);
  GlowTexture dark{};
  for (const GlowShape& shape : {SquareGlowShape(), BoundingGlowShape(texture)}) {
    std::vector<uint8_t> outline(static_cast<size_t>(shape.cornerCount));
    for (int i = 0; i < shape.cornerCount; ++i)
      outline[static_cast<size_t>(i)] = static_cast<uint8_t>(i);
    double triangles = 0;
    for (int i = 0; i < shape.triangleCount; ++i) {
      const double area = DoubleArea(shape, &shape.triangles[static_cast<size_t>(3 * i)], 3);
      EXPECT_GT(area, 0) << "triangle " << i;
      triangles += area;
    }
    EXPECT_NEAR(triangles, DoubleArea(shape, outline.data(), shape.cornerCount), 1e-9);
  }
  EXPECT_EQ(BoundingGlowShape(dark).triangleCount, 0) << "a texture of nothing draws nothing";
}
