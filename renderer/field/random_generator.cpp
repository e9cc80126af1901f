// The animation's random numbers (random_generator.h).
#include "field/random_generator.h"

void SeedRandom(uint32_t& randomState, uint32_t seed) {
  randomState = seed;
}

int NextRandom(uint32_t& randomState) {
  randomState = randomState * 214013u + 2531011u;
  return static_cast<int>((randomState >> 16) & 0x7FFFu);
}

float SignedUnitFromRandom(int value) {
  return static_cast<float>(value * static_cast<double>(kRandomSignedUnitScale) - 1.0);
}
