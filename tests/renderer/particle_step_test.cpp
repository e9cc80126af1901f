#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <limits>
#include <string>
#include <vector>

#include "field/random_generator.h"
#include "field/swarm_step.h"

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
}  // namespace

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

  // Shifted to exactly 1, the hue stays 1.
  Particle unshifted = ParticleWithPhases(1, 0, 0);
  UpdateParticle(unshifted, Coefficients{}, field, drawer);
  EXPECT_EQ(unshifted.trail[1].hue, 1.0f);
}

TEST(ParticleStep, TrailIsDrawnOldestFirstBrighteningAndTapering) {
  Particle particle = ParticleWithPhases(1, 0, 0);
  for (int i = 0; i < 8; ++i) particle.trail[i] = TrailPoint{float(i), 2.0f, 0.0f, 0.3f, 0.0f};
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
    EXPECT_FLOAT_EQ(*std::max_element(color.begin(), color.end()), j / 8.0f) << j;
  }
  // Oldest first: slots 6, 7, 0 ... 4, then the new point in slot 5. Each is
  // drawn where it was, turned with the view (x' = x cos + z sin, z' = z cos -
  // x sin), then stored expanded and blown along z, unturned.
  const float slots[] = {6, 7, 0, 1, 2, 3, 4};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(drawer.translations[i], (Values{0, 2, -slots[i]})) << i;
  EXPECT_EQ(particle.trail[6].x, 9.0f);
  EXPECT_EQ(particle.trail[6].y, 3.0f);
  EXPECT_EQ(particle.trail[6].z, 0.01f);
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
