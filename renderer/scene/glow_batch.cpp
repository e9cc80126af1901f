// Collecting a frame's glows (glow_batch.h); drawn in gl_field_drawing.cpp.
#include "scene/glow_batch.h"

GlowBatch::GlowBatch(float halfSize, const GlowShape& shape) : halfSize_(halfSize), shape_(shape) {
  const int triangleIndices = shape_.triangleCount * 3;
  for (int glow = 0; glow < kCapacity; ++glow) {
    for (int i = 0; i < triangleIndices; ++i) {
      indices_[static_cast<size_t>(glow * triangleIndices + i)] = static_cast<uint16_t>(
          glow * shape_.cornerCount + shape_.triangles[static_cast<size_t>(i)]);
    }
  }
}

void GlowBatch::SetColor(const float* rgb) {
  color_ = {rgb[0], rgb[1], rgb[2]};
}

void GlowBatch::PushMatrix() {
  saved_ = placement_;
}

void GlowBatch::Translate(float x, float y, float z) {
  // Like a matrix translation: the offset is in the current, scaled units.
  placement_.x += placement_.scale * x;
  placement_.y += placement_.scale * y;
  placement_.z += placement_.scale * z;
}

void GlowBatch::Scale(float factor) {
  placement_.scale *= factor;
}

void GlowBatch::DrawGlow() {
  if (Full()) return;
  const float extent = placement_.scale * halfSize_;
  GlowVertex* vertex = &vertices_[static_cast<size_t>(count_ * shape_.cornerCount)];
  for (int i = 0; i < shape_.cornerCount; ++i) {
    const BillboardCorner& corner = shape_.corners[static_cast<size_t>(i)];
    *vertex++ = {corner.s,
                 corner.t,
                 color_[0],
                 color_[1],
                 color_[2],
                 placement_.x + extent * corner.x,
                 placement_.y + extent * corner.y,
                 placement_.z};
  }
  ++count_;
}

void GlowBatch::PopMatrix() {
  placement_ = saved_;
}
