#include "field/escape_guard.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

#include "field/random_generator.h"

TEST(EscapeGuard, ReplacesAPointBeyondEitherBoundOrNotANumberOnAnyAxis) {
  const float beyond = std::nextafter(1e9f, 2e9f), nan = std::numeric_limits<float>::quiet_NaN();
  // Drawn x, y, z in that order; the colour stays.
  const std::array redrawn{SignedUnitFromRandom(41), SignedUnitFromRandom(18467),
                           SignedUnitFromRandom(6334), 0.25f, 0.75f};
  for (int axis = 0; axis < 3; ++axis) {
    for (const auto& [value, replaced] :
         {std::pair{beyond, true}, {-beyond, true}, {nan, true}, {1e9f, false}, {-1e9f, false}}) {
      TrailPoint point{0.5f, 0.5f, 0.5f, 0.25f, 0.75f};
      (axis == 0 ? point.x : axis == 1 ? point.y : point.z) = value;
      uint32_t state = 1;
      EXPECT_EQ(ApplyEscapeGuard(point, state), replaced) << axis << " " << value;
      EXPECT_EQ(state == 1, !replaced);
      if (replaced) {
        EXPECT_EQ((std::array{point.x, point.y, point.z, point.hue, point.saturation}), redrawn);
      }
    }
  }
}
