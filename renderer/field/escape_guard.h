// Puts a trail point that has run off the field back in it. Platform-neutral.
#pragma once

#include <cstdint>

#include "field/swarm.h"

// Puts a point that has run off (a coordinate beyond +-1e9 or not a number)
// back at a random position in [-1, 1]^3, drawn x, y, z in that order. Colour
// is kept. Returns whether the point was replaced.
bool ApplyEscapeGuard(TrailPoint& point, uint32_t& randomState);
