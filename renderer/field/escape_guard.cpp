// Puts a trail point that has run off the field back in it (escape_guard.h).
#include "field/escape_guard.h"

#include <cmath>

#include "field/random_generator.h"

namespace {
constexpr float kEscapeLimit = 1e9f;

bool HasEscaped(float coordinate) {
  return std::isnan(coordinate) || coordinate > kEscapeLimit || coordinate < -kEscapeLimit;
}
}  // namespace

bool ApplyEscapeGuard(TrailPoint& point, uint32_t& randomState) {
  if (!HasEscaped(point.x) && !HasEscaped(point.y) && !HasEscaped(point.z)) return false;
  point.x = SignedUnitFromRandom(NextRandom(randomState));
  point.y = SignedUnitFromRandom(NextRandom(randomState));
  point.z = SignedUnitFromRandom(NextRandom(randomState));
  return true;
}
