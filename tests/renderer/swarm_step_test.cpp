#include "field/swarm_step.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {
using Values = std::array<float, 3>;

// Logs the drawing calls, one letter each: c(olour) p(ush) t(ranslate) s(cale)
// g(low) o (pop).
struct RecordingDrawer {
  std::string calls;
  std::vector<Values> colors, translations;
  std::vector<float> scales;
  void SetColor(const float* rgb) { calls += 'c', colors.push_back({rgb[0], rgb[1], rgb[2]}); }
  void PushMatrix() { calls += 'p'; }
  void Translate(float x, float y, float z) { calls += 't', translations.push_back({x, y, z}); }
  void Scale(float factor) { calls += 's', scales.push_back(factor); }
  void DrawGlow() { calls += 'g'; }
  void PopMatrix() { calls += 'o'; }
};

// A trail of eight start points whose newest, in slot `head`, is `newest`.
Particle ParticleAt(TrailPoint newest, int head = 3, Values phases = {0, 0, 0}) {
  Particle particle;
  particle.trail.assign(8, TrailPoint{});
  particle.trail[head] = newest, particle.head = head;
  particle.phaseCos = phases[0], particle.phaseOffset = phases[1], particle.phaseSin = phases[2];
  return particle;
}

// Steps the particle once; returns the point written (which a default field
// leaves where it is after drawing).
TrailPoint Step(Particle& particle, const Coefficients& c, RecordingDrawer* drawer = nullptr,
                FieldState field = {}) {
  RecordingDrawer unused;
  UpdateParticle(particle, c, field, drawer ? *drawer : unused);
  return particle.trail[particle.head];
}
}  // namespace

TEST(ParticleStep, EveryCoefficientWeighsItsOwnTerm) {
  // From (1, -1, 2) the pulls are 0.5, -0.5 and 1.6, leaving 0.5, -0.5, 0.4.
  const Coefficients c = {0.5f, 0.25f, 0.125f, -0.375f, 0.75f, -0.0625f, 0.5f, 0.1f};
  Particle particle = ParticleAt({1, -1, 2, 0, 0}, 3, {0.5f, -0.25f, 0.75f});
  const TrailPoint next = Step(particle, c);
  // x: a c6 + 0.5 + c5 z + c2 y; y: b c6 - 0.5 + c1 z + c4 x; z: s c6 + 0.4 + c3 y + c0 x.
  EXPECT_EQ(particle.head, 4);
  EXPECT_FLOAT_EQ(next.x, 0.25f + 0.5f - 0.125f - 0.125f);
  EXPECT_FLOAT_EQ(next.y, -0.125f - 0.5f + 0.5f + 0.75f);
  EXPECT_FLOAT_EQ(next.z, 0.375f + 0.4f + 0.375f + 0.5f);
}

TEST(ParticleStep, HueFromThePullShiftedAndWrappedSaturationFromItsFraction) {
  // (0.5, 0.5, 0.5) is pulled by 0.1 on each axis, 0.03 in all; (1, -1, 2) by
  // 3.06 and the start point by 7.29, both clamped to 1. Saturation is 1 - t^2,
  // t the fractional part of |hue + c[0]|. The hue is a 32-bit float at every
  // step: 1 + c[7] is rounded before 1 comes off, -0.27 before 1 is added.
  struct Case {
    TrailPoint from;
    float c0, c7, hue, saturation;
  };
  const TrailPoint small{0.5f, 0.5f, 0.5f, 0, 0}, far{1, -1, 2, 0, 0}, start{};
  for (const Case& k : {
           Case{small, 0.5f, 0.5f, 0.53f, 1 - 0.03f * 0.03f},             // t = 1.03
           Case{small, -0.75f, -0.5f, 0.53f, 1 - 0.22f * 0.22f},          // wraps up from -0.47
           Case{far, 0.5f, 0.1f, 0.10000002384185791f, 1 - 0.6f * 0.6f},  // wraps down from 1.1
           Case{far, -1.0f, -0.25f, 0.75f, 1 - 0.25f * 0.25f},            // t = -0.25
           Case{start, 0.0f, 0.0f, 1.0f, 1.0f},   // 1 stays 1; t = 1 has no fraction
           Case{start, 0.0f, 1e-8f, 1.0f, 1.0f},  // 1 + 1e-8 is stored as 1, which stays
           Case{small, 0.0f, -0.3f, 0.7300000190734863f, 1 - 0.73f * 0.73f},
       }) {
    Coefficients c{};
    c[0] = k.c0, c[7] = k.c7;
    Particle particle = ParticleAt(k.from);
    const TrailPoint next = Step(particle, c);
    EXPECT_EQ(next.hue, k.hue) << k.c0 << " " << k.c7;
    EXPECT_NEAR(next.saturation, k.saturation, 1e-6) << k.c0 << " " << k.c7;
  }
}

TEST(ParticleStep, TrailIsDrawnOldestFirstBrighteningAndTapering) {
  Particle particle = ParticleAt({}, 4);
  for (int i = 0; i < 8; ++i) particle.trail[i] = {static_cast<float>(i), 2.0f, 1.0f, 0.3f, 0.0f};
  FieldState field;
  field.expansionFactor = 1.5f, field.windStep = 0.01f, field.brightnessStep = 0.125f;
  field.viewCos = 0.6f, field.viewSin = 0.8f;
  RecordingDrawer drawer;
  Step(particle, Coefficients{}, &drawer, field);

  // Colour, push, translate, scale for the newest five only, glow, pop.
  EXPECT_EQ(drawer.calls, "cptgocptgocptgocptsgocptsgocptsgocptsgocptsgo");
  EXPECT_EQ(drawer.scales, (std::vector<float>{0.966f, 0.866f, 0.707f, 0.5f, 0.259f}));
  // Unsaturated, so every channel is the brightness; the new point's colour has
  // its own hue.
  for (int j = 1; j <= 8; ++j) {
    const Values& color = drawer.colors[j - 1];
    const float brightness = static_cast<float>(j) / 8;
    if (j < 8) {
      EXPECT_EQ(color, (Values{brightness, brightness, brightness})) << j;
    }
    EXPECT_FLOAT_EQ(*std::max_element(color.begin(), color.end()), brightness) << j;
  }
  // Oldest first: slots 6, 7, 0 ... 4, then the new point in slot 5. Each is
  // drawn where it was, turned with the view (x' = x cos + z sin, z' = z cos -
  // x sin), then stored expanded and blown along z, unturned.
  const float slots[] = {6, 7, 0, 1, 2, 3, 4};
  for (int i = 0; i < 7; ++i) {
    const Values& at = drawer.translations[i];
    EXPECT_NEAR(at[0], 0.6f * slots[i] + 0.8f, 1e-6) << i;
    EXPECT_EQ(at[1], 2.0f);
    EXPECT_NEAR(at[2], 0.6f - 0.8f * slots[i], 1e-6) << i;
  }
  EXPECT_EQ(particle.trail[6].x, 9.0f);
  EXPECT_EQ(particle.trail[6].y, 3.0f);
  EXPECT_EQ(particle.trail[6].z, 1.51f);
}

TEST(SwarmStep, CoefficientsWanderAndTurnAtTheBounds) {
  Swarm swarm;
  swarm.coefficients = {0.99f, -0.99f, 0.5f, -0.5f, 0.25f};
  swarm.coefficientVelocities = {0.02f, -0.02f, 0.5f, -0.5f, 0.25f};
  FieldState field;
  NullPointDrawer drawer;
  UpdateSwarm(swarm, field, drawer);
  EXPECT_EQ(swarm.coefficients, (Coefficients{1.0f, -1.0f, 1.0f, -1.0f, 0.5f}));
  EXPECT_EQ(swarm.coefficientVelocities, (Coefficients{-0.02f, 0.02f, -0.5f, 0.5f, 0.25f}));
  UpdateSwarm(swarm, field, drawer);
  EXPECT_FLOAT_EQ(swarm.coefficients[0], 0.98f);
  EXPECT_FLOAT_EQ(swarm.coefficients[1], -0.98f);
}

TEST(SwarmStep, AFrameOfTheFixedFieldDraws480PointsInSwarmAndParticleOrder) {
  FieldState field;
  InitField(field, kFixedRendererSettings);
  RecordingDrawer drawer;
  for (Swarm& swarm : field.swarms) UpdateSwarm(swarm, field, drawer);
  EXPECT_EQ(std::count(drawer.calls.begin(), drawer.calls.end(), 'g'), 480);
  for (const Swarm& swarm : field.swarms) {
    for (const Particle& particle : swarm.particles) EXPECT_EQ(particle.head, 1);
  }
}

TEST(EscapeGuard, ReplacesARunawayNewPointInSlotZeroOnly) {
  // With c[2] = 1 a previous y of 3e9 becomes the new x; NaN spreads likewise.
  Coefficients c{};
  c[2] = 1.0f;
  for (const float runaway : {3e9f, std::numeric_limits<float>::quiet_NaN()}) {
    for (const int head : {7, 2}) {  // written into slot 0, and into slot 3
      Particle particle = ParticleAt({0.0f, runaway, 0.0f, 0, 0}, head);
      EXPECT_EQ(std::abs(Step(particle, c).x) <= 1.0f, head == 7) << runaway << head;
    }
  }
}
