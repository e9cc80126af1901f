#include "field/swarm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "field/random_generator.h"

TEST(Field, FixedParametersGiveTheFrameConstantsAndInitBuildsEverySwarm) {
  const RendererSettings& s = kFixedRendererSettings;
  EXPECT_EQ((std::array{s.swarmCount, s.particlesPerSwarm, s.trailLength, s.particleSize,
                        s.rotationSpeed, s.windSpeed, s.swarmFrequency, s.expansion}),
            (std::array{2, 30, 8, 40, 50, 10, 70, 0}));
  FieldState field;
  InitField(field, s);
  EXPECT_EQ(field.brightnessStep, 0.125f);
  EXPECT_EQ(field.expansionFactor, 1.0f);
  EXPECT_EQ(field.windStep, 0.01f);
  ASSERT_EQ(field.swarms.size(), 2u);
  // Each swarm draws its own coefficients: 16 values each, in order.
  EXPECT_EQ(field.swarms[0].coefficients[0], SignedUnitFromRandom(41));
  EXPECT_EQ(field.swarms[1].coefficients[0], SignedUnitFromRandom(2995));

  const RendererSettings other{
      .swarmCount = 3, .trailLength = 4, .windSpeed = 50, .expansion = 2000};
  InitField(field, other);
  EXPECT_EQ(field.expansionFactor, 2.0f);
  EXPECT_EQ(field.windStep, 0.05f);
  EXPECT_EQ(field.brightnessStep, 0.25f);
  EXPECT_EQ(field.swarms.size(), 3u) << "rebuilt, not added to";
  DestroySwarms(field);
  EXPECT_TRUE(field.swarms.empty());
}

TEST(Swarm, CreationSpacesParticlesOnACircleWithFreshTrails) {
  FieldState field;
  field.particleCounter = 12;
  const Swarm swarm = CreateSwarm(field, kFixedRendererSettings);
  EXPECT_EQ(field.particleCounter, 30) << "counted from 0 in every swarm";
  ASSERT_EQ(swarm.particles.size(), 30u);
  struct Phase {
    int k;
    float cosine, offset, sine;
  };
  for (const Phase& p : {Phase{0, 1.0f, -0.5f, 0.0f}, Phase{15, -1.0f, 0.0f, 0.0f},
                         Phase{5, 0.5f, -1.0f / 3, 0.8660254f},
                         Phase{29, 0.9781476f, 29.0f / 30 - 0.5f, -0.2079115f}}) {
    const Particle& particle = swarm.particles[p.k];
    EXPECT_NEAR(particle.phaseCos, p.cosine, 1e-6) << p.k;
    EXPECT_FLOAT_EQ(particle.phaseOffset, p.offset) << p.k;
    EXPECT_NEAR(particle.phaseSin, p.sine, 1e-6) << p.k;
    EXPECT_EQ(particle.head, 0);
    ASSERT_EQ(particle.trail.size(), 8u);
    EXPECT_TRUE(std::all_of(particle.trail.begin(), particle.trail.end(), [](const TrailPoint& t) {
      return t.x == 0 && t.y == 3 && t.z == 0 && t.hue == 0 && t.saturation == 0;
    }));
  }
}

TEST(Swarm, CoefficientsAndTheirVelocitiesInThirtyTwoBitFloats) {
  // Seeded with 12 the velocity draws are 5628, 29052, 26150, 29926, 22371,
  // 28629, 2229 and 27370; v = draw * A / 32767 + F^2 * 1e-6 with F = 70 and
  // A = F^2 * 5e-6, every constant and A rounded to 32-bit floats. Worked
  // through in double instead, several of them differ in the last bit.
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
