// The particle field's OpenGL drawing (gl_field_drawing.h); neutral choices
// come from glow_texture, glow_billboard, glow_batch and view_angle.
#include "scene/gl_field_drawing.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "scene/field_step.h"
#include "scene/gl_point_drawer.h"
#include "scene/glow_billboard.h"

namespace {
constexpr double kFieldOfViewDegrees = 100.0;
constexpr double kNearPlane = 0.01;
constexpr double kFarPlane = 200.0;
constexpr float kEyeDistance = 2.5f;

void UploadGlowTexture(const GlowTexture& texture) {
  GlowTextureRgba texels;
  ExpandGlowTexture(texture, texels);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, kGlowTextureName);
  glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, kGlowTextureSize, kGlowTextureSize, 0, GL_RGBA,
               GL_UNSIGNED_BYTE, texels.data());
}

// The billboard as two counter-clockwise triangles.
void CompileGlowList(float halfSize) {
  glNewList(kGlowListName, GL_COMPILE);
  glBindTexture(GL_TEXTURE_2D, kGlowTextureName);
  glBegin(GL_TRIANGLES);
  for (const int index : kBillboardTriangles) {
    const BillboardCorner& corner = kBillboardCorners[static_cast<size_t>(index)];
    glTexCoord2f(corner.s, corner.t);
    glVertex3f(corner.x * halfSize, corner.y * halfSize, 0.0f);
  }
  glEnd();
  glEndList();
}
}  // namespace

void SetProjection(int width, int height) {
  glViewport(0, 0, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  const double aspect = height != 0 ? static_cast<double>(width) / height : 1.0;
  gluPerspective(kFieldOfViewDegrees, aspect, kNearPlane, kFarPlane);
  glTranslatef(0.0f, 0.0f, -kEyeDistance);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

void SetUpFieldDrawing(int width, int height, const GlowTexture& texture, float halfSize) {
  SetProjection(width, height);
  glFrontFace(GL_CCW);
  glEnable(GL_CULL_FACE);
  // Every corner of a glow has the glow's colour, so nothing need be
  // interpolated across it: software OpenGL then shades each pixel faster.
  glShadeModel(GL_FLAT);
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  UploadGlowTexture(texture);
  CompileGlowList(halfSize);
}

void DrawGlowBatch(GlowBatch& batch) {
  if (batch.GlowCount() == 0) return;
  const GlowVertex* vertices = batch.Vertices();
  constexpr GLsizei kStride = sizeof(GlowVertex);
  glBindTexture(GL_TEXTURE_2D, kGlowTextureName);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glEnableClientState(GL_COLOR_ARRAY);
  glEnableClientState(GL_VERTEX_ARRAY);
  glTexCoordPointer(2, GL_FLOAT, kStride, &vertices->s);
  glColorPointer(3, GL_FLOAT, kStride, &vertices->r);
  glVertexPointer(3, GL_FLOAT, kStride, &vertices->x);
  glDrawElements(GL_TRIANGLES, batch.IndexCount(), GL_UNSIGNED_SHORT, batch.TriangleIndices());
  glDisableClientState(GL_VERTEX_ARRAY);
  glDisableClientState(GL_COLOR_ARRAY);
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  batch.Clear();
}

void DrawField(FieldState& field, const RendererSettings& settings, GlowBatch& batch,
               GlowDrawing drawing) {
  glLoadIdentity();
  glClear(GL_COLOR_BUFFER_BIT);
  // Additive: overlapping glows add up and saturate towards white.
  glBlendFunc(GL_ONE, GL_ONE);
  glEnable(GL_BLEND);
  if (drawing == GlowDrawing::kBatched) {
    GlBatchedPointDrawer drawer{batch};
    StepField(field, settings, drawer);
    drawer.Flush();
  } else {
    GlPointDrawer drawer;
    StepField(field, settings, drawer);
  }
  glFlush();
}
