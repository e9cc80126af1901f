#pragma once

// Takes the particle step's drawing calls and does nothing with them.
struct NullDrawer {
  void SetColor(const float*) {}
  void PushMatrix() {}
  void Translate(float, float, float) {}
  void Scale(float) {}
  void DrawGlow() {}
  void PopMatrix() {}
};
