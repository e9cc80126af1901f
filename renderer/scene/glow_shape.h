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
  static constexpr int kMaxCorners = 4;
  static constexpr int kMaxTriangles = kMaxCorners - 2;
  std::array<BillboardCorner, kMaxCorners> corners{};
  int cornerCount = 0;
  std::array<uint8_t, 3 * kMaxTriangles> triangles{};
  int triangleCount = 0;
};

// The whole billboard square.
GlowShape SquareGlowShape();

// The smallest square, with sides along the texture's axes, that holds every
// place where linear filtering reaches a non-zero texel of the texture: within
// one texel of a texel's centre on each axis. Outside it every sample is 0,
// and modulated and added that changes no pixel, so the glow drawn with it is
// the glow drawn with the whole square, with fewer pixels to fill.
//
// Two triangles, as the whole square: software OpenGL shades a triangle's
// pixels in blocks of 4 x 4, and shades a block that straddles the line
// between two triangles once for each. Polygons with more corners (an octagon
// that also cuts the corners off) leave out more pixels but add more such
// lines, and measured they cost more than they save at the sizes glows are
// drawn.
GlowShape BoundingGlowShape(const GlowTexture& texture);
