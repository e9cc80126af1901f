// The drawing seam of the particle field. Platform-neutral; the OpenGL drawers
// are in scene/gl_point_drawer.h and scene/glow_batch.h.
#pragma once

// What the particle step needs to draw one trail point: a colour, a matrix
// push, a translation, an optional uniform scale, the glow billboard and the
// matching pop. A template parameter rather than an interface, so the OpenGL
// implementation inlines to the bare calls.
template <typename Drawer>
concept PointDrawer = requires(Drawer drawer, const float* rgb, float value) {
  drawer.SetColor(rgb);
  drawer.PushMatrix();
  drawer.Translate(value, value, value);
  drawer.Scale(value);
  drawer.DrawGlow();
  drawer.PopMatrix();
};

// Takes the drawing calls and does nothing with them: for stepping the field
// without a picture.
struct NullPointDrawer {
  void SetColor(const float*) {}
  void PushMatrix() {}
  void Translate(float, float, float) {}
  void Scale(float) {}
  void DrawGlow() {}
  void PopMatrix() {}
};
