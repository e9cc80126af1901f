// One frame's step of a swarm: moves every particle through the map and draws
// its trail through a point drawer. Platform-neutral.
#pragma once

#include <array>
#include <cassert>
#include <cmath>

#include "field/escape_guard.h"
#include "field/hsv_colour.h"
#include "field/point_drawer.h"
#include "field/swarm.h"

// Sizes of the newest five points of a trail, newest first (sines of 15, 30,
// 45, 60 and 75 degrees); older points are drawn at full size.
inline constexpr std::array<float, 5> kTrailTaper = {0.259f, 0.5f, 0.707f, 0.866f, 0.966f};

namespace field_detail {
// How far the map pulls a coordinate back towards the origin:
// c - pull(c) = c / (c^2 + 1).
inline double Pull(double c) {
  return c * (1.0 - 1.0 / (c * c + 1.0));
}

// The hue after the shift, kept in [0, 1]. Each step stores a 32-bit float,
// as the stored field does, so the wrap works on the rounded sum.
inline float ShiftHue(float hue, double shift) {
  hue = static_cast<float>(hue + shift);
  if (hue > 1.0f) hue = static_cast<float>(double{hue} - 1.0);
  if (hue < 0.0f) hue = static_cast<float>(double{hue} + 1.0);
  return hue;
}
}  // namespace field_detail

// One frame of one particle: writes the next trail point over the oldest one,
// then draws the trail oldest first and lets every stored point drift.
template <PointDrawer Drawer>
void UpdateParticle(Particle& particle, const Coefficients& c, FieldState& field, Drawer& drawer) {
  using field_detail::Pull;
  const int length = static_cast<int>(particle.trail.size());
  assert(length > 0 && particle.head >= 0 && particle.head < length);
  const TrailPoint& newest = particle.trail[particle.head];
  const double x = newest.x, y = newest.y, z = newest.z;

  particle.head = particle.head + 1 == length ? 0 : particle.head + 1;
  TrailPoint& next = particle.trail[particle.head];

  const double dx = Pull(x), dy = Pull(y), dz = Pull(z);
  next.x = static_cast<float>(particle.phaseCos * double{c[6]} + x - dx + c[5] * z + c[2] * y);
  next.y = static_cast<float>(particle.phaseOffset * double{c[6]} + y - dy + c[1] * z + c[4] * x);
  next.z = static_cast<float>(particle.phaseSin * double{c[6]} + z - dz + c[3] * y + c[0] * x);

  // The further the map pulled the point, the further round the colour wheel.
  double pulled = dx * dx + dy * dy + dz * dz;
  if (pulled > 1.0) pulled = 1.0;
  next.hue = field_detail::ShiftHue(static_cast<float>(pulled), c[7]);

  double tint = double{next.hue} + c[0];
  if (tint < 0.0) tint = -tint;
  tint -= std::trunc(tint);
  next.saturation = static_cast<float>(1.0 - tint * tint);

  if (particle.head == 0) ApplyEscapeGuard(next, field.randomState);

  const double viewCos = field.viewCos, viewSin = field.viewSin;
  const double expansion = field.expansionFactor, wind = field.windStep;
  float brightness = field.brightnessStep;
  for (int j = 1; j <= length; ++j) {
    TrailPoint& point = particle.trail[(particle.head + j) % length];
    float rgb[3];
    HsvToRgb(point.hue, point.saturation, brightness, rgb[0], rgb[1], rgb[2]);
    drawer.SetColor(rgb);
    drawer.PushMatrix();
    drawer.Translate(static_cast<float>(point.x * viewCos + point.z * viewSin), point.y,
                     static_cast<float>(point.z * viewCos - point.x * viewSin));
    const int pointsBeforeNewest = length - j;
    if (pointsBeforeNewest < static_cast<int>(kTrailTaper.size())) {
      drawer.Scale(kTrailTaper[pointsBeforeNewest]);
    }
    drawer.DrawGlow();
    drawer.PopMatrix();

    point.x = static_cast<float>(point.x * expansion);
    point.y = static_cast<float>(point.y * expansion);
    point.z = static_cast<float>(point.z * expansion + wind);
    brightness += field.brightnessStep;
  }
}

// One frame of a swarm: the coefficients wander (turning at -1 and 1), then
// every particle steps and draws in index order.
template <PointDrawer Drawer>
void UpdateSwarm(Swarm& swarm, FieldState& field, Drawer& drawer) {
  for (int i = 0; i < kCoefficientCount; ++i) {
    float& coefficient = swarm.coefficients[i];
    float& velocity = swarm.coefficientVelocities[i];
    coefficient += velocity;
    if (coefficient >= 1.0f) {
      coefficient = 1.0f;
      velocity = -velocity;
    }
    if (coefficient <= -1.0f) {
      coefficient = -1.0f;
      velocity = -velocity;
    }
  }
  for (Particle& particle : swarm.particles) {
    UpdateParticle(particle, swarm.coefficients, field, drawer);
  }
}
