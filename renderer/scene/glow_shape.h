// The shape each glow is drawn with. Platform-neutral; drawn by
// gl_field_drawing.cpp.
#pragma once

#include <array>
#include <cstdint>

#include "scene/glow_billboard.h"
#include "scene/glow_texture.h"

// A convex polygon over the glow billboard, as corners counter-clockwise (each
// with the texture coordinate the billboard has at that place) and the
// counter-clockwise triangles that fill it, as indices into the corners.
struct GlowShape {
  static constexpr int kMaxCorners = 8;
  static constexpr int kMaxTriangles = kMaxCorners - 2;
  std::array<BillboardCorner, kMaxCorners> corners{};
  int cornerCount = 0;
  std::array<uint8_t, 3 * kMaxTriangles> triangles{};
  int triangleCount = 0;
};

// The whole billboard square.
GlowShape SquareGlowShape();

// The smallest octagon with sides along the texture's axes and diagonals that
// holds every place where linear filtering reaches a non-zero texel of the
// texture (within one texel of a texel's centre on each axis). Outside it
// every sample is 0, and modulated and added that changes no pixel, so the
// glow drawn with it is the glow drawn with the whole square, with fewer
// pixels to fill.
GlowShape OutlineGlowShape(const GlowTexture& texture);
