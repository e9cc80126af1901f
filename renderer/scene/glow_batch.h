// A frame's glows collected into one vertex array. Platform-neutral; drawn with
// OpenGL by gl_field_drawing.cpp.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "main/renderer_settings.h"
#include "scene/glow_shape.h"

// One corner of a batched glow, laid out for the client arrays it is drawn
// from: texture coordinate, colour, position.
struct GlowVertex {
  float s, t;
  float r, g, b;
  float x, y, z;
};

// Collects a frame's glows, each the glow shape already moved to its point and
// scaled, in its colour, with the triangles of all of them in one index list,
// so that all of them can be drawn with one call. It takes the particle
// step's drawing calls: a colour, then a matrix push, a translation, an
// optional scale, the glow and the pop. The buffers are fixed, so collecting
// never allocates; when they are full they must be drawn and cleared before
// more glows are added.
class GlowBatch {
 public:
  // Every glow of one frame with the fixed settings.
  static constexpr int kCapacity = kFixedRendererSettings.swarmCount *
                                   kFixedRendererSettings.particlesPerSwarm *
                                   kFixedRendererSettings.trailLength;

  explicit GlowBatch(float halfSize = 0.0f, const GlowShape& shape = SquareGlowShape());

  void SetColor(const float* rgb);
  void PushMatrix();
  void Translate(float x, float y, float z);
  void Scale(float factor);
  // Adds the glow shape with the current colour, translation and scale.
  void DrawGlow();
  void PopMatrix();

  bool Full() const { return count_ == kCapacity; }
  int GlowCount() const { return count_; }
  const GlowVertex* Vertices() const { return vertices_.data(); }
  // The triangles of the glows collected, three vertex indices each.
  const uint16_t* TriangleIndices() const { return indices_.data(); }
  int IndexCount() const { return count_ * shape_.triangleCount * 3; }
  const GlowShape& Shape() const { return shape_; }
  void Clear() { count_ = 0; }

 private:
  struct Placement {
    float x = 0.0f, y = 0.0f, z = 0.0f;
    float scale = 1.0f;
  };
  static constexpr size_t kMaxVertices = size_t{kCapacity} * GlowShape::kMaxCorners;
  static constexpr size_t kMaxIndices = size_t{kCapacity} * GlowShape::kMaxTriangles * 3;
  static_assert(kMaxVertices <= 65536, "vertex indices are 16 bits");

  float halfSize_;
  GlowShape shape_;
  std::array<float, 3> color_{};
  Placement placement_;  // where the next glow goes
  Placement saved_;      // one level of push and pop is all the particle step uses
  int count_ = 0;
  std::array<GlowVertex, kMaxVertices> vertices_{};
  std::array<uint16_t, kMaxIndices> indices_{};  // filled once: every glow's triangles
};
