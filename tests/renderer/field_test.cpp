#include <gtest/gtest.h>

#include "field/hsv_colour.h"
#include "field/random_generator.h"
#include "field/swarm_step.h"

TEST(RandomGenerator, KnownSequenceAndScalingsThatReachTheirBounds) {
  uint32_t state = 99;
  SeedRandom(state, 1);
  EXPECT_EQ(NextRandom(state), 41);
  EXPECT_EQ(NextRandom(state), 18467);
  EXPECT_EQ(NextRandom(state), 6334);
  // The largest value lands a hair above 1 and rounds to exactly 1.
  EXPECT_EQ(SignedUnitFromRandom(0), -1.0f);
  EXPECT_EQ(SignedUnitFromRandom(kRandomMax), 1.0f);
  EXPECT_EQ(FractionFromRandom(kRandomMax), 1.0f);
  EXPECT_NEAR(FractionFromRandom(16384), 0.5, 2e-5);
}

TEST(Swarm, CreationSpacesParticlesOnACircleAndDrawsTwoValuesPerCoefficient) {
  FieldState field;
  SeedRandom(field.randomState, 7);
  uint32_t replay = field.randomState;
  const Swarm swarm = CreateSwarm(field, kFixedRendererSettings);
  ASSERT_EQ(swarm.particles.size(), 30u);
  EXPECT_EQ(swarm.particles[0].phaseCos, 1.0f);
  EXPECT_EQ(swarm.particles[0].phaseOffset, -0.5f);
  EXPECT_EQ(swarm.particles[0].phaseSin, 0.0f);
  EXPECT_EQ(swarm.particles[15].phaseCos, -1.0f);
  EXPECT_EQ(swarm.particles[15].phaseOffset, 0.0f);
  EXPECT_EQ(swarm.particles[15].trail.size(), 8u);
  // F = 70: velocities run from F^2 * 1e-6 = 0.0049 up to F^2 * 6e-6 = 0.0294.
  for (int i = 0; i < kCoefficientCount; ++i) {
    const int coefficientDraw = NextRandom(replay);
    const int velocityDraw = NextRandom(replay);
    EXPECT_EQ(swarm.coefficients[i], SignedUnitFromRandom(coefficientDraw)) << i;
    EXPECT_NEAR(swarm.coefficientVelocities[i], 0.0049 + 0.0245 * velocityDraw / kRandomMax, 1e-6);
  }
  EXPECT_EQ(field.randomState, replay) << "exactly two draws per coefficient";
}

TEST(Swarm, CoefficientsTurnAtTheBounds) {
  Swarm swarm;
  swarm.coefficients = {0.99f, -0.99f};
  swarm.coefficientVelocities = {0.02f, -0.02f};
  FieldState field;
  NullPointDrawer drawer;
  UpdateSwarm(swarm, field, drawer);
  EXPECT_EQ(swarm.coefficients[0], 1.0f);
  EXPECT_EQ(swarm.coefficients[1], -1.0f);
  UpdateSwarm(swarm, field, drawer);
  EXPECT_FLOAT_EQ(swarm.coefficients[0], 0.98f);
  EXPECT_FLOAT_EQ(swarm.coefficients[1], -0.98f);
}

TEST(HsvToRgb, HueOfOneGivesBlueJustBelowZero) {
  // The last sextant's offset, 0.833333 as a 32-bit float, lies below 5/6.
  float r, g, b;
  HsvToRgb(1.0f, 1.0f, 1.0f, r, g, b);
  EXPECT_EQ(r, 1.0f);
  EXPECT_EQ(g, 0.0f);
  EXPECT_EQ(b, -1.9073486328125e-06f);
}
