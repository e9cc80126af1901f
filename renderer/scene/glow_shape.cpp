// The glows' shapes (glow_shape.h).
#include "scene/glow_shape.h"

#include <algorithm>

namespace {
// The corner at texel-space place (u, v): u along the rows, v across them.
BillboardCorner CornerAt(double u, double v) {
  const double s = u / kGlowTextureSize, t = v / kGlowTextureSize;
  return {static_cast<float>(s), static_cast<float>(t), static_cast<float>(2.0 * s - 1.0),
          static_cast<float>(2.0 * t - 1.0)};
}

GlowShape ShapeOf(const std::array<BillboardCorner, 4>& corners,
                  const std::array<int, 6>& triangles) {
  GlowShape shape;
  std::copy(corners.begin(), corners.end(), shape.corners.begin());
  shape.cornerCount = static_cast<int>(corners.size());
  std::transform(triangles.begin(), triangles.end(), shape.triangles.begin(),
                 [](int corner) { return static_cast<uint8_t>(corner); });
  shape.triangleCount = static_cast<int>(triangles.size() / 3);
  return shape;
}
}  // namespace

GlowShape SquareGlowShape() {
  return ShapeOf(kBillboardCorners, kBillboardTriangles);
}

GlowShape BoundingGlowShape(const GlowTexture& texture) {
  int minU = kGlowTextureSize, maxU = -1, minV = kGlowTextureSize, maxV = -1;
  for (int row = 0; row < kGlowTextureSize; ++row) {
    for (int column = 0; column < kGlowTextureSize; ++column) {
      if (GlowTexel(texture, row, column) == 0) continue;
      minU = std::min(minU, column), maxU = std::max(maxU, column);
      minV = std::min(minV, row), maxV = std::max(maxV, row);
    }
  }
  if (maxU < 0) return {};  // nothing to draw
  // A texel (row, column) has its centre at (column + 0.5, row + 0.5), and
  // linear filtering reaches one texel either way of it.
  const double left = minU - 0.5, right = maxU + 1.5, bottom = minV - 0.5, top = maxV + 1.5;
  return ShapeOf(
      {CornerAt(left, bottom), CornerAt(right, bottom), CornerAt(right, top), CornerAt(left, top)},
      kBillboardTriangles);
}
