#include "field/escape_guard.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "field/random_generator.h"

TEST(EscapeGuard, ReplacesAPointBeyondEitherBoundOrNotANumberOnAnyAxis) {
  const float beyond = std::nextafter(1e9f, 2e9f), nan = std::numeric_limits<float>::quiet_NaN();
  for (int axis = 0; axis < 3; ++axis) {
    for (const auto& [value, replaced] :
         {std::pair{beyond, true}, {-beyond, true}, {nan, true}, {1e9f, false}, {-1e9f, false}}) {
      TrailPoint point{0.5f, 0.5f, 0.5f, 0.25f, 0.75f};
      (axis == 0 ? point.x : axis == 1 ? point.y : point.z) = value;
      uint32_t state = 1;
      EXPECT_EQ(ApplyEscapeGuard(point, state), replaced) << axis << " " << value;
      // Drawn x, y, z in that order, or nothing drawn; the colour stays.
      if (replaced) {
        EXPECT_EQ(point.x, SignedUnitFromRandom(41));
        EXPECT_EQ(point.y, SignedUnitFromRandom(18467));
        EXPECT_EQ(point.z, SignedUnitFromRandom(6334));
      } else {
        EXPECT_EQ(state, 1u);
      }
      EXPECT_EQ(point.hue, 0.25f);
      EXPECT_EQ(point.saturation, 0.75f);
    }
  }
}
