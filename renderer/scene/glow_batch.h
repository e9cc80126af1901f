// A frame's glows collected into one vertex array. Platform-neutral; drawn with
// OpenGL by win32_scene.cpp.
#pragma once

#include <array>
#include <cstddef>

#include "main/renderer_settings.h"

// One corner of a batched glow, laid out for the client arrays it is drawn
// from: texture coordinate, colour, position.
struct GlowVertex {
  float s, t;
  float r, g, b;
  float x, y, z;
};

inline constexpr int kVerticesPerGlow = 4;

// Collects a frame's glows as quads, each the billboard already moved to its
// point and scaled, in its colour, so that all of them can be drawn with one
// call. It takes the particle step's drawing calls: a colour, then a matrix
// push, a translation, an optional scale, the glow and the pop. The buffer is
// fixed, so collecting never allocates; when it is full it must be drawn and
// cleared before more glows are added.
class GlowBatch {
 public:
  // Every glow of one frame with the fixed settings.
  static constexpr int kCapacity = kFixedRendererSettings.swarmCount *
                                   kFixedRendererSettings.particlesPerSwarm *
                                   kFixedRendererSettings.trailLength;

  explicit GlowBatch(float halfSize = 0.0f) : halfSize_(halfSize) {}

  void SetColor(const float* rgb);
  void PushMatrix();
  void Translate(float x, float y, float z);
  void Scale(float factor);
  // Adds the billboard with the current colour, translation and scale.
  void DrawGlow();
  void PopMatrix();

  bool Full() const { return count_ == kCapacity; }
  int GlowCount() const { return count_; }
  const GlowVertex* Vertices() const { return vertices_.data(); }
  void Clear() { count_ = 0; }

 private:
  struct Placement {
    float x = 0.0f, y = 0.0f, z = 0.0f;
    float scale = 1.0f;
  };

  float halfSize_;
  std::array<float, 3> color_{};
  Placement placement_;  // where the next glow goes
  Placement saved_;      // one level of push and pop is all the particle step uses
  int count_ = 0;
  std::array<GlowVertex, static_cast<size_t>(kCapacity) * kVerticesPerGlow> vertices_{};
};
