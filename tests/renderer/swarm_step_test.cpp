#include "field/swarm_step.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <limits>
#include <string>
#include <vector>

#include "field/random_generator.h"

namespace {
using Values = std::array<float, 3>;

struct RecordingDrawer {
  std::string calls;  // one letter per call: c(olour) p(ush) t(ranslate) s(cale) g(low) o (pop)
  std::vector<Values> colors, translations;
  std::vector<float> scales;
  void SetColor(const float* rgb) { calls += 'c', colors.push_back({rgb[0], rgb[1], rgb[2]}); }
  void PushMatrix() { calls += 'p'; }
  void Translate(float x, float y, float z) { calls += 't', translations.push_back({x, y, z}); }
  void Scale(float factor) { calls += 's', scales.push_back(factor); }
  void DrawGlow() { calls += 'g'; }
  void PopMatrix() { calls += 'o'; }
};

FieldState FixedField() {
  FieldState field;
  field.brightnessStep = 0.125f;
  field.windStep = 0.01f;
  return field;
}

Particle ParticleWithPhases(float phaseCos, float phaseOffset, float phaseSin) {
  Particle particle;
  particle.trail.assign(8, TrailPoint{});
  particle.phaseCos = phaseCos, particle.phaseOffset = phaseOffset, particle.phaseSin = phaseSin;
  return particle;
}

// The point the step writes after the given newest point, without wind.
TrailPoint StepFrom(TrailPoint newest, const Coefficients& c,
                    Particle particle = ParticleWithPhases(0, 0, 0)) {
  particle.trail[3] = newest;
  particle.head = 3;
  FieldState field = FixedField();
  field.windStep = 0.0f;
  NullPointDrawer drawer;
  UpdateParticle(particle, c, field, drawer);
  return particle.trail[4];
}
}  // namespace

TEST(ParticleStep, EveryCoefficientWeighsItsOwnTerm) {
  // From (1, -1, 2) the pulls are 0.5, -0.5 and 1.6, leaving 0.5, -0.5, 0.4.
  const Coefficients c = {0.5f, 0.25f, 0.125f, -0.375f, 0.75f, -0.0625f, 0.5f, 0.1f};
  const TrailPoint next = StepFrom({1, -1, 2, 0, 0}, c, ParticleWithPhases(0.5f, -0.25f, 0.75f));
  // x: a c6 + 0.5 + c5 z + c2 y; y: b c6 - 0.5 + c1 z + c4 x; z: s c6 + 0.4 + c3 y + c0 x.
  EXPECT_FLOAT_EQ(next.x, 0.25f + 0.5f - 0.125f - 0.125f);
  EXPECT_FLOAT_EQ(next.y, -0.125f - 0.5f + 0.5f + 0.75f);
  EXPECT_FLOAT_EQ(next.z, 0.375f + 0.4f + 0.375f + 0.5f);
}

TEST(ParticleStep, FirstStepFromTheStartPoint) {
  // From (0, 3, 0) only y is pulled (by 2.7); the y terms and phase terms remain.
  Particle particle = ParticleWithPhases(0.5f, -0.25f, 0.75f);
  const Coefficients c = {0.0f, 0.9f, 0.25f, -0.125f, 0.8f, 0.7f, 0.5f, -0.25f};
  FieldState field = FixedField();
  RecordingDrawer drawer;
  UpdateParticle(particle, c, field, drawer);

  ASSERT_EQ(particle.head, 1);
  const Values drawn = drawer.translations.back();
  EXPECT_FLOAT_EQ(drawn[0], 0.5f * 0.5f + 3 * 0.25f);
  EXPECT_FLOAT_EQ(drawn[1], -0.25f * 0.5f + 0.3f);
  EXPECT_FLOAT_EQ(drawn[2], 0.75f * 0.5f + 3 * -0.125f);
  // Pulled by 2.7^2 = 7.29, clamped to 1, then shifted by c[7] (not wrapped from 7.04).
  EXPECT_EQ(particle.trail[1].hue, 0.75f);
  EXPECT_EQ(particle.trail[1].saturation, 1.0f - 0.75f * 0.75f);
}

TEST(ParticleStep, HueFromThePullShiftedAndWrappedSaturationFromItsFraction) {
  // (0.5, 0.5, 0.5) is pulled by 0.1 on each axis: 0.03 in all. (1, -1, 2) is
  // pulled by 3.06, clamped to 1. Saturation is 1 - t^2 with t the fractional
  // part of |hue + c[0]|.
  struct Case {
    TrailPoint from;
    float c0, c7;
    float hue, saturation;
  };
  const TrailPoint small{0.5f, 0.5f, 0.5f, 0, 0}, far{1, -1, 2, 0, 0}, start{};
  for (const Case& k : {
           Case{small, 0.5f, 0.5f, 0.53f, 1 - 0.03f * 0.03f},     // t = 1.03
           Case{small, -0.75f, -0.5f, 0.53f, 1 - 0.22f * 0.22f},  // wraps up from -0.47
           Case{far, 0.5f, 0.1f, 0.1f, 1 - 0.6f * 0.6f},          // wraps down from 1.1
           Case{far, -1.0f, -0.25f, 0.75f, 1 - 0.25f * 0.25f},    // t = -0.25
           Case{start, 0.0f, 0.0f, 1.0f, 1.0f},  // 1 stays 1; t = 1 has no fraction
       }) {
    Coefficients c{};
    c[0] = k.c0, c[7] = k.c7;
    const TrailPoint next = StepFrom(k.from, c);
    EXPECT_NEAR(next.hue, k.hue, 1e-6) << k.c0 << " " << k.c7;
    EXPECT_NEAR(next.saturation, k.saturation, 1e-6) << k.c0 << " " << k.c7;
  }
}

TEST(ParticleStep, HueIsAThirtyTwoBitFloatAtEveryStep) {
  // Each stored step rounds: 1 + c[7] is rounded before 1 comes off again,
  // -0.27 before 1 is added. Rounded only at the end, all three differ.
  struct Case {
    TrailPoint from;
    float c7, hue;
  };
  for (const Case& k : {
           Case{TrailPoint{}, 1e-8f, 1.0f},  // 1 + 1e-8 is stored as 1, which stays
           Case{TrailPoint{}, 0.1f, 0.10000002384185791f},
           Case{TrailPoint{0.5f, 0.5f, 0.5f, 0, 0}, -0.3f, 0.7300000190734863f},
       }) {
    Coefficients c{};
    c[7] = k.c7;
    EXPECT_EQ(StepFrom(k.from, c).hue, k.hue) << k.c7;
  }
}

TEST(ParticleStep, TrailIsDrawnOldestFirstBrighteningAndTapering) {
  Particle particle = ParticleWithPhases(1, 0, 0);
  for (int i = 0; i < 8; ++i)
    particle.trail[i] = TrailPoint{static_cast<float>(i), 2.0f, 0.0f, 0.3f, 0.0f};
  particle.head = 4;
  FieldState field = FixedField();
  field.expansionFactor = 1.5f;
  field.viewCos = 0.0f, field.viewSin = 1.0f;  // a quarter turn
  RecordingDrawer drawer;
  UpdateParticle(particle, Coefficients{}, field, drawer);

  // Colour, push, translate, scale for the newest five only, glow, pop.
  EXPECT_EQ(drawer.calls, "cptgocptgocptgocptsgocptsgocptsgocptsgocptsgo");
  EXPECT_EQ(drawer.scales, (std::vector<float>{0.966f, 0.866f, 0.707f, 0.5f, 0.259f}));
  for (int j = 1; j <= 8; ++j) {
    const Values& color = drawer.colors[j - 1];
    EXPECT_FLOAT_EQ(*std::max_element(color.begin(), color.end()), static_cast<float>(j) / 8) << j;
  }
  // Oldest first: slots 6, 7, 0 ... 4, then the new point in slot 5. Each is
  // drawn where it was, turned with the view (x' = x cos + z sin, z' = z cos -
  // x sin), then stored expanded and blown along z, unturned.
  const float slots[] = {6, 7, 0, 1, 2, 3, 4};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(drawer.translations[i], (Values{0, 2, -slots[i]})) << i;
  EXPECT_EQ(particle.trail[6].x, 9.0f);
  EXPECT_EQ(particle.trail[6].y, 3.0f);
  EXPECT_EQ(particle.trail[6].z, 0.01f);

  // A turn the other way round: x' = z sin ... with sin negative.
  field.viewCos = 0.6f, field.viewSin = -0.8f;
  particle.trail[7] = TrailPoint{1.0f, 0.0f, 2.0f, 0, 0};
  drawer = {};
  UpdateParticle(particle, Coefficients{}, field, drawer);
  EXPECT_EQ(drawer.translations[0], (Values{0.6f - 1.6f, 0.0f, 1.2f + 0.8f}));
}

TEST(SwarmStep, CoefficientsTurnAtTheBounds) {
  Swarm swarm;
  swarm.coefficients = {0.99f, -0.99f, 0.5f, -0.5f, 0.25f};
  swarm.coefficientVelocities = {0.02f, -0.02f, 0.5f, -0.5f, 0.25f};
  FieldState field;
  NullPointDrawer drawer;
  UpdateSwarm(swarm, field, drawer);
  const Coefficients reached = {1.0f, -1.0f, 1.0f, -1.0f, 0.5f};
  const Coefficients turned = {-0.02f, 0.02f, -0.5f, 0.5f, 0.25f};
  EXPECT_EQ(swarm.coefficients, reached);
  EXPECT_EQ(swarm.coefficientVelocities, turned);
  UpdateSwarm(swarm, field, drawer);
  EXPECT_FLOAT_EQ(swarm.coefficients[0], 0.98f);
  EXPECT_FLOAT_EQ(swarm.coefficients[1], -0.98f);
  EXPECT_EQ(swarm.coefficients[2], 0.5f);
}

TEST(SwarmStep, AFrameOfTheFixedFieldDraws480PointsInSwarmAndParticleOrder) {
  FieldState field;
  SeedRandom(field.randomState, 3);
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
  const float nan = std::numeric_limits<float>::quiet_NaN();
  for (const float runaway : {3e9f, nan}) {
    for (const int head : {7, 2}) {
      Particle particle = ParticleWithPhases(0, 0, 0);
      particle.trail[head] = TrailPoint{0.0f, runaway, 0.0f, 0, 0};
      particle.head = head;
      FieldState field = FixedField();
      SeedRandom(field.randomState, 1);
      RecordingDrawer drawer;
      UpdateParticle(particle, c, field, drawer);

      const Values newest = drawer.translations.back();
      if (head == 7) {  // written into slot 0: replaced, drawn x, y, z
        EXPECT_EQ(newest, (Values{SignedUnitFromRandom(41), SignedUnitFromRandom(18467),
                                  SignedUnitFromRandom(6334)}));
      } else {
        EXPECT_TRUE(newest[0] == 3e9f || std::isnan(newest[0]));
        EXPECT_EQ(field.randomState, 1u);
      }
    }
  }
}
