#include "field/swarm_step.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "field/random_generator.h"

namespace {
using Values = std::array<float, 3>;

// Logs the calls: c(olour) p(ush) t(ranslate) s(cale) g(low) o (pop).
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

// Steps once; a default field leaves the written point where it is.
TrailPoint Step(Particle& particle, const Coefficients& c, RecordingDrawer* drawer = nullptr,
                FieldState field = {}) {
  RecordingDrawer unused;
  UpdateParticle(particle, c, field, drawer ? *drawer : unused);
  return particle.trail[particle.head];
}
}  // namespace

TEST(ParticleStep, EveryCoefficientWeighsItsOwnTerm) {
  // From (1, -1, 2) the map leaves 0.5, -0.5 and 0.4 before the terms.
  const Coefficients c = {0.5f, 0.25f, 0.125f, -0.375f, 0.75f, -0.0625f, 0.5f, 0.1f};
  Particle particle = ParticleAt({1, -1, 2, 0, 0}, 3, {0.5f, -0.25f, 0.75f});
  const TrailPoint next = Step(particle, c);
  EXPECT_FLOAT_EQ(next.x, 0.25f + 0.5f - 0.125f - 0.125f);  // a c6 + . + c5 z + c2 y
  EXPECT_FLOAT_EQ(next.y, -0.125f - 0.5f + 0.5f + 0.75f);   // b c6 + . + c1 z + c4 x
  EXPECT_FLOAT_EQ(next.z, 0.375f + 0.4f + 0.375f + 0.5f);   // s c6 + . + c3 y + c0 x
}

TEST(ParticleStep, HueFromThePullShiftedAndWrappedSaturationFromItsFraction) {
  // Pulls: 0.03 from (0.5, 0.5, 0.5); 3.06 and 7.29, clamped to 1, from (1, -1, 2)
  // and the start point. Saturation is 1 - t^2, t the fraction of |hue + c[0]|.
  const TrailPoint small{0.5f, 0.5f, 0.5f, 0, 0}, far{1, -1, 2, 0, 0}, start{};
  using Case = std::tuple<TrailPoint, float, float, float, float>;  // c[0], c[7], hue, saturation
  for (const auto& [from, c0, c7, hue, saturation] :
       {Case{small, -0.75f, -0.5f, 0.53f, 1 - 0.22f * 0.22f},          // wraps up from -0.47
        Case{far, 0.5f, 0.1f, 0.10000002384185791f, 1 - 0.6f * 0.6f},  // wraps down from 1.1
        Case{far, -1.0f, -0.25f, 0.75f, 1 - 0.25f * 0.25f},            // t = -0.25
        Case{start, 0.0f, 0.0f, 1.0f, 1.0f},   // 1 stays 1; t = 1 has no fraction
        Case{start, 0.0f, 1e-8f, 1.0f, 1.0f},  // 1 + 1e-8 is stored as 1, which stays
        Case{start, 0.0f, -1.0f, 0.0f, 1.0f},  // 0 stays 0
        Case{small, 0.0f, -0.3f, 0.7300000190734863f, 1 - 0.73f * 0.73f}}) {
    Coefficients c{};
    c[0] = c0, c[7] = c7;
    Particle particle = ParticleAt(from);
    const TrailPoint next = Step(particle, c);
    EXPECT_EQ(next.hue, hue) << c0 << " " << c7;
    EXPECT_NEAR(next.saturation, saturation, 1e-6) << c0 << " " << c7;
  }
}

TEST(ParticleStep, TrailIsDrawnOldestFirstTurnedBrighteningAndTaperingThenDrifts) {
  Particle particle = ParticleAt({}, 4);
  for (int i = 0; i < 8; ++i) particle.trail[i] = {static_cast<float>(i), 2.0f, 1.0f, 0.3f, 0.0f};
  FieldState field;
  field.expansionFactor = 1.5f, field.windStep = 0.01f, field.brightnessStep = 0.125f;
  field.viewCos = 0.6f, field.viewSin = 0.8f;
  RecordingDrawer drawer;
  Step(particle, Coefficients{}, &drawer, field);
  EXPECT_EQ(drawer.calls, "cptgocptgocptgocptsgocptsgocptsgocptsgocptsgo");
  EXPECT_EQ(drawer.scales, (std::vector<float>{0.966f, 0.866f, 0.707f, 0.5f, 0.259f}));
  // Slots 6, 7, 0 ... 4, unsaturated, then the new point in slot 5 at full brightness.
  const float slots[] = {6, 7, 0, 1, 2, 3, 4};
  for (int i = 0; i < 7; ++i) {
    const float brightness = static_cast<float>(i + 1) / 8;
    EXPECT_EQ(drawer.colors[i], (Values{brightness, brightness, brightness})) << i;
    EXPECT_NEAR(drawer.translations[i][0], 0.6f * slots[i] + 0.8f, 1e-6) << i;
    EXPECT_NEAR(drawer.translations[i][2], 0.6f - 0.8f * slots[i], 1e-6) << i;
  }
  EXPECT_FLOAT_EQ(*std::max_element(drawer.colors[7].begin(), drawer.colors[7].end()), 1.0f);
  const TrailPoint& drifted = particle.trail[6];
  EXPECT_EQ((Values{drifted.x, drifted.y, drifted.z}), (Values{9.0f, 3.0f, 1.51f}));
}

// That a fixed frame draws as many glows as the batch holds is checked with the batch.
TEST(SwarmStep, CoefficientsWanderAndTurnAtTheBounds) {
  Swarm swarm;
  swarm.coefficients = {0.99f, -0.99f, 0.5f, -0.5f, 0.25f};
  swarm.coefficientVelocities = {0.02f, -0.02f, 0.5f, -0.5f, 0.25f};
  FieldState field;
  RecordingDrawer drawer;
  UpdateSwarm(swarm, field, drawer);
  EXPECT_EQ(swarm.coefficients, (Coefficients{1.0f, -1.0f, 1.0f, -1.0f, 0.5f}));
  EXPECT_EQ(swarm.coefficientVelocities, (Coefficients{-0.02f, 0.02f, -0.5f, 0.5f, 0.25f}));
}

TEST(EscapeGuard, ReplacesAPointBeyondEitherBoundOrNotANumberOnAnyAxis) {
  const float beyond = std::nextafter(1e9f, 2e9f), nan = std::numeric_limits<float>::quiet_NaN();
  // Drawn x, y, z in that order; the colour stays.
  const std::array redrawn{SignedUnitFromRandom(41), SignedUnitFromRandom(18467),
                           SignedUnitFromRandom(6334), 0.25f, 0.75f};
  for (int axis = 0; axis < 3; ++axis) {
    for (const auto& [value, replaced] :
         {std::pair{beyond, true}, {-beyond, true}, {nan, true}, {1e9f, false}, {-1e9f, false}}) {
      TrailPoint point{0.5f, 0.5f, 0.5f, 0.25f, 0.75f};
      (axis == 0 ? point.x : axis == 1 ? point.y : point.z) = value;
      uint32_t state = 1;
      EXPECT_EQ(ApplyEscapeGuard(point, state), replaced) << axis << " " << value;
      EXPECT_EQ(state == 1, !replaced);
      if (replaced) {
        EXPECT_EQ((std::array{point.x, point.y, point.z, point.hue, point.saturation}), redrawn);
      }
    }
  }
}

TEST(EscapeGuard, ReplacesARunawayNewPointInSlotZeroOnly) {
  Coefficients c{};
  c[2] = 1.0f;                     // the previous y becomes the new x
  for (const int head : {7, 2}) {  // written into slot 0, and into slot 3
    Particle particle = ParticleAt({0.0f, 3e9f, 0.0f, 0, 0}, head);
    EXPECT_EQ(std::abs(Step(particle, c).x) <= 1.0f, head == 7) << head;
  }
}
