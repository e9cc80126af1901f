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
}  // namespace

GlowShape SquareGlowShape() {
  GlowShape shape;
  std::copy(kBillboardCorners.begin(), kBillboardCorners.end(), shape.corners.begin());
  shape.cornerCount = static_cast<int>(kBillboardCorners.size());
  for (size_t i = 0; i < kBillboardTriangles.size(); ++i) {
    shape.triangles[i] = static_cast<uint8_t>(kBillboardTriangles[i]);
  }
  shape.triangleCount = static_cast<int>(kBillboardTriangles.size() / 3);
  return shape;
}

GlowShape OutlineGlowShape(const GlowTexture& texture) {
  // Bounds of the texel centres that are not zero, on the two axes and the
  // two diagonals, in texels; a texel (row, column) has its centre at
  // (column + 0.5, row + 0.5).
  int minU = kGlowTextureSize, maxU = -1, minV = kGlowTextureSize, maxV = -1;
  int minSum = 2 * kGlowTextureSize, maxSum = -1, minDiff = kGlowTextureSize,
      maxDiff = -kGlowTextureSize;
  for (int row = 0; row < kGlowTextureSize; ++row) {
    for (int column = 0; column < kGlowTextureSize; ++column) {
      if (GlowTexel(texture, row, column) == 0) continue;
      minU = std::min(minU, column), maxU = std::max(maxU, column);
      minV = std::min(minV, row), maxV = std::max(maxV, row);
      minSum = std::min(minSum, column + row), maxSum = std::max(maxSum, column + row);
      minDiff = std::min(minDiff, column - row), maxDiff = std::max(maxDiff, column - row);
    }
  }
  GlowShape shape;
  if (maxU < 0) return shape;  // nothing to draw
  // Linear filtering reaches one texel either way of a centre on each axis.
  const double left = minU - 0.5, right = maxU + 1.5, bottom = minV - 0.5, top = maxV + 1.5;
  const double lowSum = minSum - 1.0, highSum = maxSum + 3.0;
  const double lowDiff = minDiff - 2.0, highDiff = maxDiff + 2.0;
  // Counter-clockwise from the bottom side's right end; where a diagonal does
  // not cut a corner of the box, its two corners are that corner.
  const auto u = [&](double at) { return std::clamp(at, left, right); };
  const auto v = [&](double at) { return std::clamp(at, bottom, top); };
  const BillboardCorner corners[] = {
      CornerAt(u(highDiff + bottom), bottom), CornerAt(right, v(right - highDiff)),
      CornerAt(right, v(highSum - right)),    CornerAt(u(highSum - top), top),
      CornerAt(u(lowDiff + top), top),        CornerAt(left, v(left - lowDiff)),
      CornerAt(left, v(lowSum - left)),       CornerAt(u(lowSum - bottom), bottom),
  };
  std::copy(std::begin(corners), std::end(corners), shape.corners.begin());
  shape.cornerCount = GlowShape::kMaxCorners;
  // A fan from the first corner.
  for (int i = 0; i < GlowShape::kMaxTriangles; ++i) {
    shape.triangles[static_cast<size_t>(3 * i)] = 0;
    shape.triangles[static_cast<size_t>(3 * i + 1)] = static_cast<uint8_t>(i + 1);
    shape.triangles[static_cast<size_t>(3 * i + 2)] = static_cast<uint8_t>(i + 2);
  }
  shape.triangleCount = GlowShape::kMaxTriangles;
  return shape;
}
