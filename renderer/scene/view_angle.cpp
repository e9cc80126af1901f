// The view's slow turn (view_angle.h).
#include "scene/view_angle.h"

#include <cmath>

namespace {
constexpr double kRadiansPerDegree = 0.01745329238474369;  // pi/180 as a 32-bit float
}

void AdvanceViewAngle(FieldState& field, int rotationSpeed) {
  field.viewAngle = static_cast<float>(field.viewAngle + rotationSpeed * 0.01);
  if (field.viewAngle >= 360.0f) field.viewAngle -= 360.0f;
  field.viewCos = static_cast<float>(std::cos(field.viewAngle * kRadiansPerDegree));
  field.viewSin = static_cast<float>(std::sin(field.viewAngle * kRadiansPerDegree));
}
