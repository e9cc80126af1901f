#include "field/swarm.h"

#include <gtest/gtest.h>

#include "field/random_generator.h"
#include "field/swarm_step.h"

namespace {
Particle ParticleAt(int index, int count) {
  FieldState field;
  RendererSettings settings;
  settings.particlesPerSwarm = count;
  field.particleCounter = index;
  Particle particle = CreateParticle(field, settings);
  EXPECT_EQ(field.particleCounter, index + 1);
  return particle;
}

struct NullDrawer {
  void SetColor(const float*) {}
  void PushMatrix() {}
  void Translate(float, float, float) {}
  void Scale(float) {}
  void DrawGlow() {}
  void PopMatrix() {}
};
}  // namespace

TEST(Particle, PhasesSpaceTheParticlesOnACircle) {
  const Particle first = ParticleAt(0, 30);
  EXPECT_EQ(first.phaseCos, 1.0f);
  EXPECT_EQ(first.phaseOffset, -0.5f);
  EXPECT_EQ(first.phaseSin, 0.0f);

  const Particle opposite = ParticleAt(15, 30);
  EXPECT_EQ(opposite.phaseCos, -1.0f);
  EXPECT_EQ(opposite.phaseOffset, 0.0f);
  EXPECT_NEAR(opposite.phaseSin, 0.0f, 1e-6f);

  const Particle quarter = ParticleAt(15, 60);
  EXPECT_NEAR(quarter.phaseCos, 0.0f, 1e-6f);
  EXPECT_EQ(quarter.phaseSin, 1.0f);
}

TEST(Particle, TrailStartsAtTheTopWithNoColour) {
  const Particle particle = ParticleAt(3, 30);
  ASSERT_EQ(particle.trail.size(), 8u);
  EXPECT_EQ(particle.head, 0);
  for (const TrailPoint& point : particle.trail) {
    EXPECT_EQ(point.x, 0.0f);
    EXPECT_EQ(point.y, 3.0f);
    EXPECT_EQ(point.z, 0.0f);
    EXPECT_EQ(point.hue, 0.0f);
    EXPECT_EQ(point.saturation, 0.0f);
  }
}

TEST(Swarm, CreationDrawsACoefficientThenItsVelocityForEachTerm) {
  FieldState field;
  SeedRandom(field.randomState, 7);
  uint32_t replay = field.randomState;
  const Swarm swarm = CreateSwarm(field, kFixedRendererSettings);

  ASSERT_EQ(swarm.particles.size(), 30u);
  for (size_t k = 0; k < swarm.particles.size(); ++k) {
    EXPECT_NEAR(swarm.particles[k].phaseOffset, k / 30.0 - 0.5, 1e-6) << "particle " << k;
  }

  // F = 70: velocities run from F^2 * 1e-6 = 0.0049 up to F^2 * 6e-6 = 0.0294.
  const double low = 0.0049, high = 0.0294;
  for (int i = 0; i < kCoefficientCount; ++i) {
    const int coefficientDraw = NextRandom(replay);
    const int velocityDraw = NextRandom(replay);
    EXPECT_EQ(swarm.coefficients[i], SignedUnitFromRandom(coefficientDraw)) << "c" << i;
    EXPECT_NEAR(swarm.coefficientVelocities[i], low + (high - low) * velocityDraw / kRandomMax,
                1e-6)
        << "v" << i;
  }
  EXPECT_EQ(field.randomState, replay) << "exactly two draws per coefficient";
}

TEST(Swarm, VelocitiesStartPositiveWithinTheirRangeForAnyFrequency) {
  for (int frequency : {1, 70, 200}) {
    RendererSettings settings;
    settings.swarmFrequency = frequency;
    settings.particlesPerSwarm = 1;
    const double f2 = static_cast<double>(frequency) * frequency;
    for (uint32_t seed = 1; seed < 40; ++seed) {
      FieldState field;
      SeedRandom(field.randomState, seed);
      const Swarm swarm = CreateSwarm(field, settings);
      for (float velocity : swarm.coefficientVelocities) {
        ASSERT_GE(velocity, f2 * 1e-6 * (1 - 1e-6)) << "F=" << frequency;
        ASSERT_LE(velocity, f2 * 6e-6 * (1 + 1e-6)) << "F=" << frequency;
      }
    }
  }
}

TEST(Swarm, FieldHoldsEverySwarmWithItsOwnParticleIndices) {
  FieldState field;
  InitField(field, kFixedRendererSettings);
  ASSERT_EQ(field.swarms.size(), 2u);
  EXPECT_EQ(field.brightnessStep, 0.125f);
  EXPECT_EQ(field.expansionFactor, 1.0f);
  EXPECT_EQ(field.windStep, 0.01f);
  for (const Swarm& swarm : field.swarms) {
    ASSERT_EQ(swarm.particles.size(), 30u);
    EXPECT_EQ(swarm.particles.front().phaseOffset, -0.5f);
    EXPECT_EQ(swarm.particles[15].phaseCos, -1.0f);
  }
  EXPECT_NE(field.swarms[0].coefficients, field.swarms[1].coefficients);

  DestroySwarms(field);
  EXPECT_TRUE(field.swarms.empty());
}

TEST(SwarmStep, CoefficientsTurnAtTheBounds) {
  Swarm swarm;
  swarm.coefficients = {0.99f, -0.99f, 0.5f, 0, 0, 0, 0, 0};
  swarm.coefficientVelocities = {0.02f, -0.02f, 0.01f, 0, 0, 0, 0, 0};
  FieldState field;
  NullDrawer drawer;

  UpdateSwarm(swarm, field, drawer);
  EXPECT_EQ(swarm.coefficients[0], 1.0f);
  EXPECT_EQ(swarm.coefficientVelocities[0], -0.02f);
  EXPECT_EQ(swarm.coefficients[1], -1.0f);
  EXPECT_EQ(swarm.coefficientVelocities[1], 0.02f);
  EXPECT_FLOAT_EQ(swarm.coefficients[2], 0.51f);

  UpdateSwarm(swarm, field, drawer);
  EXPECT_FLOAT_EQ(swarm.coefficients[0], 0.98f);
  EXPECT_FLOAT_EQ(swarm.coefficients[1], -0.98f);
  EXPECT_FLOAT_EQ(swarm.coefficients[2], 0.52f);
}

TEST(SwarmStep, EveryParticleStepsOncePerFrame) {
  FieldState field;
  InitField(field, kFixedRendererSettings);
  NullDrawer drawer;
  for (int frame = 0; frame < 3; ++frame) UpdateSwarm(field.swarms[0], field, drawer);
  for (const Particle& particle : field.swarms[0].particles) EXPECT_EQ(particle.head, 3);
  for (const Particle& particle : field.swarms[1].particles) EXPECT_EQ(particle.head, 0);
}
