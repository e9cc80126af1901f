// The animation's random numbers. Platform-neutral.
#pragma once

#include <cstdint>

// The animation's only source of randomness: a 32-bit linear congruential
// generator giving 15-bit values (0 ... 32767).
inline constexpr uint32_t kInitialRandomState = 1;
inline constexpr int kRandomMax = 32767;

// The 32-bit floats nearest to 2/32767 and 1/32767 (the second scales the
// coefficient velocities' draws).
inline constexpr float kRandomSignedUnitScale = 6.103701889514923e-05f;
inline constexpr float kRandomFractionScale = 3.0518509447574615e-05f;

void SeedRandom(uint32_t& randomState, uint32_t seed);
int NextRandom(uint32_t& randomState);

// A generator value scaled to [-1, 1].
float SignedUnitFromRandom(int value);
