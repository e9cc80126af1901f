#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "field/escape_guard.h"
#include "field/random_generator.h"
#include "field/swarm_step.h"
#include "recording_drawer.h"

namespace {
// A field as the scene sets it up, facing the view straight on.
FieldState StraightField() {
  FieldState field;
  field.brightnessStep = 0.125f;
  field.expansionFactor = 1.0f;
  field.windStep = 0.01f;
  return field;
}

Particle FreshParticle(float phaseCos, float phaseOffset, float phaseSin) {
  Particle particle;
  particle.trail.assign(8, TrailPoint{});
  particle.phaseCos = phaseCos;
  particle.phaseOffset = phaseOffset;
  particle.phaseSin = phaseSin;
  return particle;
}

float Brightest(const RecordingDrawer::Call& color) {
  return std::max({color.values[0], color.values[1], color.values[2]});
}
}  // namespace

TEST(ParticleStep, FirstStepFromTheStartPoint) {
  // From (0, 3, 0) only y is pulled (by 2.7), and only the terms in y and the
  // phase terms survive.
  Particle particle = FreshParticle(0.5f, -0.25f, 0.75f);
  const Coefficients c = {0.0f, 0.9f, 0.25f, -0.125f, 0.8f, 0.7f, 0.5f, -0.25f};
  FieldState field = StraightField();
  RecordingDrawer drawer;
  UpdateParticle(particle, c, field, drawer);

  ASSERT_EQ(particle.head, 1);
  const TrailPoint& point = particle.trail[1];
  // The stored point has already drifted by the wind after being drawn.
  EXPECT_FLOAT_EQ(point.x, 0.5f * 0.5f + 3 * 0.25f);
  EXPECT_FLOAT_EQ(point.y, -0.25f * 0.5f + 0.3f);
  EXPECT_FLOAT_EQ(point.z, 0.75f * 0.5f + 3 * -0.125f + 0.01f);
  // Pulled 2.7^2 = 7.29, clamped to 1 and shifted by c[7]: not wrapped from 7.04.
  EXPECT_FLOAT_EQ(point.hue, 0.75f);
  // Saturation: 1 - frac(|hue + c[0]|)^2.
  EXPECT_FLOAT_EQ(point.saturation, 1.0f - 0.75f * 0.75f);

  const auto translations = drawer.Named("translate");
  ASSERT_EQ(translations.size(), 8u);
  EXPECT_FLOAT_EQ(translations.back().values[0], 1.0f);
  EXPECT_FLOAT_EQ(translations.back().values[1], 0.175f);
  EXPECT_FLOAT_EQ(translations.back().values[2], 0.0f);
}

TEST(ParticleStep, HueShiftWrapsOnlyBeyondTheEnds) {
  struct Case {
    float shift;
    float hue;
  };
  // The start point is pulled far, so the hue is 1 before the shift.
  for (const Case& test : {Case{0.0f, 1.0f}, Case{0.5f, 0.5f}, Case{-0.25f, 0.75f}}) {
    Particle particle = FreshParticle(1, 0, 0);
    Coefficients c{};
    c[7] = test.shift;
    FieldState field = StraightField();
    RecordingDrawer drawer;
    UpdateParticle(particle, c, field, drawer);
    EXPECT_EQ(particle.trail[1].hue, test.hue) << "shift " << test.shift;
  }

  // A point at the origin is not pulled: hue 0, and a negative shift wraps up.
  Particle particle = FreshParticle(0, 0, 0);
  particle.trail[0] = TrailPoint{0, 0, 0, 0, 0};
  Coefficients c{};
  c[7] = -0.25f;
  FieldState field = StraightField();
  RecordingDrawer drawer;
  UpdateParticle(particle, c, field, drawer);
  EXPECT_EQ(particle.trail[1].hue, 0.75f);
}

TEST(ParticleStep, TrailIsDrawnOldestFirstBrighteningAndTapering) {
  Particle particle = FreshParticle(1, 0, 0);
  for (int i = 0; i < 8; ++i) particle.trail[i] = TrailPoint{float(i), 0.0f, 0.0f, 0.3f, 0.0f};
  particle.head = 4;  // newest in slot 4, oldest in slot 6 after the step
  FieldState field = StraightField();
  RecordingDrawer drawer;
  UpdateParticle(particle, Coefficients{}, field, drawer);

  // Call pattern per point: colour, push, translate, [scale], glow, pop.
  const std::vector<std::string> unscaled = {"color", "push", "translate", "glow", "pop"};
  const std::vector<std::string> scaled = {"color", "push", "translate", "scale", "glow", "pop"};
  std::vector<std::string> expected;
  for (int j = 1; j <= 8; ++j) {
    const auto& pattern = 8 - j <= 4 ? scaled : unscaled;
    expected.insert(expected.end(), pattern.begin(), pattern.end());
  }
  std::vector<std::string> names;
  for (const auto& call : drawer.calls) names.push_back(call.name);
  EXPECT_EQ(names, expected);

  const auto colors = drawer.Named("color");
  for (int j = 1; j <= 8; ++j) EXPECT_FLOAT_EQ(Brightest(colors[j - 1]), j / 8.0f) << j;
  // Unsaturated points are grey at their brightness.
  EXPECT_EQ(colors[0].values, (std::array<float, 3>{0.125f, 0.125f, 0.125f}));

  const auto scales = drawer.Named("scale");
  ASSERT_EQ(scales.size(), 5u);
  const float taper[] = {0.966f, 0.866f, 0.707f, 0.5f, 0.259f};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(scales[i].values[0], taper[i]);

  // Oldest first: slots 6, 7, 0, 1, 2, 3, 4, then the new point in slot 5.
  const auto translations = drawer.Named("translate");
  const float slots[] = {6, 7, 0, 1, 2, 3, 4};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(translations[i].values[0], slots[i]) << i;
}

TEST(ParticleStep, StoredPointsMoveByExpansionAndWindAfterDrawing) {
  Particle particle = FreshParticle(1, 0, 0);
  for (int i = 0; i < 8; ++i) particle.trail[i] = TrailPoint{1.0f, 2.0f, float(i), 0, 0};
  FieldState field = StraightField();
  field.expansionFactor = 1.5f;
  field.windStep = 0.25f;
  RecordingDrawer drawer;
  UpdateParticle(particle, Coefficients{}, field, drawer);

  const auto translations = drawer.Named("translate");
  // Slot 2 is the oldest; it is drawn where it was and moved afterwards.
  EXPECT_EQ(translations[0].values, (std::array<float, 3>{1.0f, 2.0f, 2.0f}));
  EXPECT_EQ(particle.trail[2].x, 1.5f);
  EXPECT_EQ(particle.trail[2].y, 3.0f);
  EXPECT_EQ(particle.trail[2].z, 2.0f * 1.5f + 0.25f);
}

TEST(ParticleStep, ViewTurnMovesOnlyTheDrawnPosition) {
  Particle particle = FreshParticle(1, 0, 0);
  for (int i = 0; i < 8; ++i) particle.trail[i] = TrailPoint{1.0f, 2.0f, 0.5f, 0, 0};
  FieldState field = StraightField();
  field.windStep = 0.0f;
  field.viewCos = 0.0f;  // a quarter turn
  field.viewSin = 1.0f;
  RecordingDrawer drawer;
  UpdateParticle(particle, Coefficients{}, field, drawer);

  // x' = x cos + z sin, z' = z cos - x sin.
  EXPECT_EQ(drawer.Named("translate")[0].values, (std::array<float, 3>{0.5f, 2.0f, -1.0f}));
  EXPECT_EQ(particle.trail[2].x, 1.0f);
  EXPECT_EQ(particle.trail[2].z, 0.5f);
}

TEST(EscapeGuard, ReplacesARunawayPointDrawingXYZInOrder) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  for (const TrailPoint& runaway :
       {TrailPoint{2e9f, 0, 0, 0.4f, 0.6f}, TrailPoint{0, -2e9f, 0, 0.4f, 0.6f},
        TrailPoint{0, 0, nan, 0.4f, 0.6f}}) {
    TrailPoint point = runaway;
    uint32_t state;
    SeedRandom(state, 1);
    EXPECT_TRUE(ApplyEscapeGuard(point, state));
    EXPECT_EQ(point.x, SignedUnitFromRandom(41));
    EXPECT_EQ(point.y, SignedUnitFromRandom(18467));
    EXPECT_EQ(point.z, SignedUnitFromRandom(6334));
    EXPECT_EQ(point.hue, 0.4f);
    EXPECT_EQ(point.saturation, 0.6f);
  }

  TrailPoint edge{1e9f, -1e9f, 5.0f, 0, 0};
  uint32_t state = 1;
  EXPECT_FALSE(ApplyEscapeGuard(edge, state));
  EXPECT_EQ(state, 1u) << "no values drawn";
}

TEST(EscapeGuard, OnlyTheNewPointInSlotZeroIsGuarded) {
  // With c[2] = 1 a previous y of 3e9 becomes the new x, far beyond the limit.
  Coefficients c{};
  c[2] = 1.0f;
  for (int head : {7, 2}) {
    Particle particle = FreshParticle(0, 0, 0);
    particle.trail[head] = TrailPoint{0.0f, 3e9f, 0.0f, 0, 0};
    particle.head = head;
    FieldState field = StraightField();
    SeedRandom(field.randomState, 1);
    RecordingDrawer drawer;
    UpdateParticle(particle, c, field, drawer);

    const auto newest = drawer.Named("translate").back().values;
    if (head == 7) {
      EXPECT_EQ(newest[0], SignedUnitFromRandom(41));
      EXPECT_EQ(newest[1], SignedUnitFromRandom(18467));
      EXPECT_EQ(newest[2], SignedUnitFromRandom(6334));
    } else {
      EXPECT_EQ(newest[0], 3e9f);
      EXPECT_EQ(field.randomState, 1u);
    }
  }

  // A not-a-number previous point spreads into the new one; slot 0 catches it.
  Particle particle = FreshParticle(0, 0, 0);
  particle.trail[7] = TrailPoint{std::numeric_limits<float>::quiet_NaN(), 0, 0, 0, 0};
  particle.head = 7;
  FieldState field = StraightField();
  RecordingDrawer drawer;
  UpdateParticle(particle, Coefficients{}, field, drawer);
  EXPECT_FALSE(std::isnan(particle.trail[0].x));
  EXPECT_GE(particle.trail[0].x, -1.0f);
  EXPECT_LE(particle.trail[0].x, 1.0f);
}
