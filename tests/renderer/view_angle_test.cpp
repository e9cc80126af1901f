#include "scene/view_angle.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(ViewAngle, TurnsByTheRotationSpeedInHundredthsOfADegreeAndWrapsAt360) {
  struct Case {
    float from;
    int speed;
    float to;
  };
  for (const Case& c :
       {Case{0.0f, 50, 0.5f}, Case{0.5f, 50, 1.0f}, Case{10.0f, 100, 11.0f},
        Case{359.75f, 50, 0.25f}, Case{359.5f, 50, 0.0f}, Case{359.0f, 50, 359.5f}}) {
    FieldState field;
    field.viewAngle = c.from;
    AdvanceViewAngle(field, c.speed);
    EXPECT_EQ(field.viewAngle, c.to) << c.from << " + " << c.speed;
  }
}

TEST(ViewAngle, CosineAndSineTurnTheViewTheSameWayRound) {
  // Radians from degrees with pi/180 as a 32-bit float; sine grows first.
  struct Case {
    float from, cosine, sine;
  };
  for (const Case& c :
       {Case{0.0f, 0.99996192f, 0.0087265f}, Case{89.5f, 0.0f, 1.0f}, Case{179.5f, -1.0f, 0.0f},
        Case{269.5f, 0.0f, -1.0f}, Case{29.5f, 0.8660254f, 0.5f}}) {
    FieldState field;
    field.viewAngle = c.from;
    AdvanceViewAngle(field, 50);
    EXPECT_NEAR(field.viewCos, c.cosine, 1e-6) << c.from;
    EXPECT_NEAR(field.viewSin, c.sine, 1e-6) << c.from;
  }
}
