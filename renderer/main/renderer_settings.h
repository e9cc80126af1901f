// The renderer's fixed animation settings. Platform-neutral.
#pragma once

#include <cstdint>

// The animation parameters. They are fixed: the renderer reads no settings.
struct RendererSettings {
  int32_t swarmCount = 2;
  int32_t particlesPerSwarm = 30;
  int32_t trailLength = 8;      // points per trail; brightness grows by 1/trailLength
  int32_t particleSize = 40;    // drawn half-size is particleSize * 0.005 world units
  int32_t rotationSpeed = 50;   // view turns rotationSpeed * 0.01 degrees per frame
  int32_t windSpeed = 10;       // points drift windSpeed * 0.001 units along +z per frame
  int32_t swarmFrequency = 70;  // scales how fast the swarm coefficients wander
  int32_t expansion = 0;        // points grow by 1 + 0.0005 * expansion per frame
};

inline constexpr RendererSettings kFixedRendererSettings{};
