// The glow billboard's corners and triangles. Platform-neutral; compiled into
// a display list by win32_scene.cpp.
#pragma once

#include <array>

// The glow billboard: a textured square of half-size h facing +z, centred on
// the origin. Its corners counter-clockwise from the lower left, each with its
// texture coordinate and its position in units of h.
struct BillboardCorner {
  float s, t;  // texture coordinate
  float x, y;  // position / h
};

inline constexpr std::array<BillboardCorner, 4> kBillboardCorners = {{
    {0.0f, 0.0f, -1.0f, -1.0f},
    {1.0f, 0.0f, 1.0f, -1.0f},
    {1.0f, 1.0f, 1.0f, 1.0f},
    {0.0f, 1.0f, -1.0f, 1.0f},
}};

// The square as two counter-clockwise triangles sharing the lower-left to
// upper-right diagonal, as indices into kBillboardCorners.
inline constexpr std::array<int, 6> kBillboardTriangles = {0, 1, 2, 0, 2, 3};
