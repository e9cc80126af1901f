#include "field/swarm.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "field/random_generator.h"

TEST(RandomGenerator, KnownSequenceAndAScalingThatReachesItsBounds) {
  uint32_t state = 99;
  SeedRandom(state, 1);
  for (const int expected : {41, 18467, 6334, 26500, 19169}) EXPECT_EQ(NextRandom(state), expected);
  // The largest value lands a hair above 1 and rounds to exactly 1.
  EXPECT_EQ(SignedUnitFromRandom(0), -1.0f);
  EXPECT_EQ(SignedUnitFromRandom(kRandomMax), 1.0f);
  EXPECT_EQ(SignedUnitFromRandom(41), -0.9974974989891052f);
}

TEST(Field, InitDerivesTheFrameConstantsAndBuildsEverySwarm) {
  FieldState field;
  InitField(field, kFixedRendererSettings);
  const auto derived = [&field] {
    return std::array{field.brightnessStep, field.expansionFactor, field.windStep};
  };
  EXPECT_EQ(derived(), (std::array{0.125f, 1.0f, 0.01f}));
  ASSERT_EQ(field.swarms.size(), 2u);
  // Each swarm draws 16 values in order.
  EXPECT_EQ(field.swarms[0].coefficients[0], SignedUnitFromRandom(41));
  EXPECT_EQ(field.swarms[1].coefficients[0], SignedUnitFromRandom(2995));

  const RendererSettings other{
      .swarmCount = 3, .trailLength = 4, .windSpeed = 50, .expansion = 2000};
  InitField(field, other);
  EXPECT_EQ(derived(), (std::array{0.25f, 2.0f, 0.05f}));
  EXPECT_EQ(field.swarms.size(), 3u) << "rebuilt, not added to";
}

TEST(Swarm, CreationSpacesParticlesOnACircleWithFreshTrails) {
  FieldState field;
  field.particleCounter = 12;
  const Swarm swarm = CreateSwarm(field, kFixedRendererSettings);
  EXPECT_EQ(field.particleCounter, 30) << "counted from 0 in every swarm";
  ASSERT_EQ(swarm.particles.size(), 30u);
  using Phase = std::tuple<int, float, float, float>;  // k, cosine, offset, sine
  for (const auto& [k, cosine, offset, sine] :
       {Phase{0, 1.0f, -0.5f, 0.0f}, Phase{5, 0.5f, -1.0f / 3, 0.8660254f},
        Phase{29, 0.9781476f, 29.0f / 30 - 0.5f, -0.2079115f}}) {
    const Particle& particle = swarm.particles[k];
    EXPECT_NEAR(particle.phaseCos, cosine, 1e-6) << k;
    EXPECT_FLOAT_EQ(particle.phaseOffset, offset) << k;
    EXPECT_NEAR(particle.phaseSin, sine, 1e-6) << k;
    EXPECT_EQ(particle.trail.size(), 8u);
  }
}

TEST(Swarm, CoefficientsAndTheirVelocitiesInThirtyTwoBitFloats) {
  // Seeded with 12: v = draw * A / 32767 + F^2 * 1e-6, F = 70, A = F^2 * 5e-6,
  // every constant and A as 32-bit floats; in double several differ in the last bit.
  constexpr std::array<float, kCoefficientCount> kVelocities = {
      0.009108074940741062f, 0.026622280478477478f, 0.024452446028590202f, 0.027275774627923965f,
      0.021626874804496765f, 0.026306001469492912f, 0.006566631142050028f, 0.025364642962813377f};
  FieldState field;
  SeedRandom(field.randomState, 12);
  uint32_t replay = field.randomState;
  const Swarm swarm = CreateSwarm(field, kFixedRendererSettings);
  for (int i = 0; i < kCoefficientCount; ++i) {
    EXPECT_EQ(swarm.coefficients[i], SignedUnitFromRandom(NextRandom(replay))) << i;
    NextRandom(replay);
    EXPECT_EQ(swarm.coefficientVelocities[i], kVelocities[i]) << i;
  }
  EXPECT_EQ(field.randomState, replay) << "exactly two draws per coefficient";
}
