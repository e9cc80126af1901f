#pragma once

#include <array>
#include <string>
#include <vector>

// Records the drawing calls of the particle step.
struct RecordingDrawer {
  struct Call {
    std::string name;  // "color", "push", "translate", "scale", "glow", "pop"
    std::array<float, 3> values{};
  };
  std::vector<Call> calls;

  void SetColor(const float* rgb) { calls.push_back({"color", {rgb[0], rgb[1], rgb[2]}}); }
  void PushMatrix() { calls.push_back({"push", {}}); }
  void Translate(float x, float y, float z) { calls.push_back({"translate", {x, y, z}}); }
  void Scale(float factor) { calls.push_back({"scale", {factor, factor, factor}}); }
  void DrawGlow() { calls.push_back({"glow", {}}); }
  void PopMatrix() { calls.push_back({"pop", {}}); }

  std::vector<Call> Named(const std::string& name) const {
    std::vector<Call> found;
    for (const Call& call : calls) {
      if (call.name == name) found.push_back(call);
    }
    return found;
  }
};
