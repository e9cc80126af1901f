// Creating and freeing the swarms of the particle field (swarm.h).
#include "field/swarm.h"

#include <cmath>

#include "field/random_generator.h"

namespace {
constexpr double kTwoPi = 6.2831854820251465;  // 2*pi as a 32-bit float
constexpr float kVelocityRange = 5e-6f;
constexpr float kVelocityFloor = 1e-6f;
}  // namespace

Particle CreateParticle(FieldState& field, const RendererSettings& settings) {
  const int32_t k = field.particleCounter;
  const double n = settings.particlesPerSwarm;
  Particle particle;
  particle.phaseCos = static_cast<float>(std::cos(k * kTwoPi / n));
  particle.phaseOffset = static_cast<float>(k / n - 0.5);
  particle.phaseSin = static_cast<float>(std::sin(k * kTwoPi / n));
  field.particleCounter = k + 1;
  particle.trail.assign(static_cast<size_t>(settings.trailLength), TrailPoint{});
  particle.head = 0;
  return particle;
}

Swarm CreateSwarm(FieldState& field, const RendererSettings& settings) {
  Swarm swarm;
  field.particleCounter = 0;
  swarm.particles.reserve(static_cast<size_t>(settings.particlesPerSwarm));
  for (int32_t k = 0; k < settings.particlesPerSwarm; ++k) {
    swarm.particles.push_back(CreateParticle(field, settings));
  }

  const double frequency = static_cast<float>(settings.swarmFrequency);
  const double range = static_cast<float>(frequency * frequency * kVelocityRange);
  for (int i = 0; i < kCoefficientCount; ++i) {
    swarm.coefficients[i] = SignedUnitFromRandom(NextRandom(field.randomState));
    const int draw = NextRandom(field.randomState);
    swarm.coefficientVelocities[i] = static_cast<float>(draw * range * kRandomFractionScale +
                                                        frequency * frequency * kVelocityFloor);
  }
  return swarm;
}

void InitField(FieldState& field, const RendererSettings& settings) {
  field.brightnessStep = static_cast<float>(1.0 / settings.trailLength);
  field.expansionFactor = static_cast<float>(1.0 + 0.0005 * settings.expansion);
  field.windStep = static_cast<float>(0.001 * settings.windSpeed);
  field.swarms.clear();
  field.swarms.reserve(static_cast<size_t>(settings.swarmCount));
  for (int32_t i = 0; i < settings.swarmCount; ++i) {
    field.swarms.push_back(CreateSwarm(field, settings));
  }
}

void DestroySwarms(FieldState& field) {
  std::vector<Swarm>().swap(field.swarms);
}
