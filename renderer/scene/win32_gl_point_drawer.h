#pragma once

#include <windows.h>
#include <GL/gl.h>

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
