// The particle field: swarms of particles with their trails and wandering
// coefficients. Platform-neutral; stepped by swarm_step.h, drawn by scene/.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "main/renderer_settings.h"

inline constexpr int kCoefficientCount = 8;

// One point of a trail: a position in world units and its colour.
struct TrailPoint {
  float x = 0.0f;
  float y = 3.0f;
  float z = 0.0f;
  float hue = 0.0f;
  float saturation = 0.0f;
};

// A particle and the ring of its trail points. The slot after `head`
// (cyclically) holds the oldest point.
struct Particle {
  std::vector<TrailPoint> trail;
  int32_t head = 0;
  float phaseCos = 1.0f;
  float phaseOffset = 0.0f;
  float phaseSin = 0.0f;
};

using Coefficients = std::array<float, kCoefficientCount>;

// Particles spaced evenly on a circle, driven by eight shared coefficients that
// wander between -1 and 1.
struct Swarm {
  std::vector<Particle> particles;
  Coefficients coefficients{};
  Coefficients coefficientVelocities{};
};

// The simulation's part of the renderer state: the swarms and the values every
// particle step reads.
struct FieldState {
  std::vector<Swarm> swarms;
  int32_t particleCounter = 0;
  float expansionFactor = 1.0f;
  float windStep = 0.0f;
  float brightnessStep = 0.0f;
  float viewAngle = 0.0f;  // degrees
  float viewCos = 1.0f;
  float viewSin = 0.0f;
  uint32_t randomState = 1;
};

// Builds the particle with index field.particleCounter and advances the counter.
Particle CreateParticle(FieldState& field, const RendererSettings& settings);

// Builds one swarm; draws two generator values per coefficient.
Swarm CreateSwarm(FieldState& field, const RendererSettings& settings);

// Derives the per-frame constants from the settings and builds all swarms, in
// order. The generator must already be seeded.
void InitField(FieldState& field, const RendererSettings& settings);

// Frees the swarms, their particles and trails.
void DestroySwarms(FieldState& field);
