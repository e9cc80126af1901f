// The OpenGL point drawers the particle step draws through; what they must do
// is in field/point_drawer.h.
#pragma once

#include <GL/gl.h>

#include "scene/glow_batch.h"

// Fixed object names: the scene has one texture and one display list.
inline constexpr GLuint kGlowTextureName = 1;
inline constexpr GLuint kGlowListName = 1;

// Draws trail points with OpenGL immediate-mode calls, one call per step.
struct GlPointDrawer {
  void SetColor(const float* rgb) { glColor3fv(rgb); }
  void PushMatrix() { glPushMatrix(); }
  void Translate(float x, float y, float z) { glTranslatef(x, y, z); }
  void Scale(float factor) { glScalef(factor, factor, factor); }
  void DrawGlow() { glCallList(kGlowListName); }
  void PopMatrix() { glPopMatrix(); }
};

// Draws the collected glows as triangles from client arrays, with one call,
// and empties the batch. The model-view matrix must be the identity: the
// glows are already in place.
void DrawGlowBatch(GlowBatch& batch);

// Collects trail points into the batch and draws them together: whenever the
// batch is full, and at Flush, which ends every frame.
struct GlBatchedPointDrawer {
  GlowBatch& batch;

  void SetColor(const float* rgb) { batch.SetColor(rgb); }
  void PushMatrix() { batch.PushMatrix(); }
  void Translate(float x, float y, float z) { batch.Translate(x, y, z); }
  void Scale(float factor) { batch.Scale(factor); }
  void DrawGlow() {
    batch.DrawGlow();
    if (batch.Full()) DrawGlowBatch(batch);
  }
  void PopMatrix() { batch.PopMatrix(); }
  void Flush() { DrawGlowBatch(batch); }
};
