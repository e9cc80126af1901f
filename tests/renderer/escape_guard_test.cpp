#include "field/escape_guard.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "field/random_generator.h"

TEST(EscapeGuard, ReplacesAPointBeyondEitherBoundOrNotANumberOnAnyAxis) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float beyond = std::nextafter(1e9f, 2e9f);
  struct Case {
    int axis;
    float value;
    bool replaced;
  };
  for (const Case& c :
       {Case{0, beyond, true}, Case{0, -beyond, true}, Case{0, nan, true}, Case{1, beyond, true},
        Case{1, -beyond, true}, Case{1, nan, true}, Case{2, beyond, true}, Case{2, -beyond, true},
        Case{2, nan, true}, Case{0, 1e9f, false}, Case{1, -1e9f, false}, Case{2, 1e9f, false}}) {
    TrailPoint point{0.5f, 0.5f, 0.5f, 0.25f, 0.75f};
    (c.axis == 0 ? point.x : c.axis == 1 ? point.y : point.z) = c.value;
    uint32_t state = 1;
    EXPECT_EQ(ApplyEscapeGuard(point, state), c.replaced) << c.axis << " " << c.value;
    if (c.replaced) {
      // Drawn x, y, z in that order; the colour stays.
      EXPECT_EQ(point.x, SignedUnitFromRandom(41));
      EXPECT_EQ(point.y, SignedUnitFromRandom(18467));
      EXPECT_EQ(point.z, SignedUnitFromRandom(6334));
    } else {
      EXPECT_EQ(state, 1u) << "nothing drawn";
    }
    EXPECT_EQ(point.hue, 0.25f);
    EXPECT_EQ(point.saturation, 0.75f);
  }
}
