#include "scene/view_angle.h"

#include <gtest/gtest.h>

TEST(ViewAngle, TurnsByHundredthsOfADegreeWrapsAt360AndSineGrowsFirst) {
  struct Case {
    float from;
    int speed;
    float to, cosine, sine;
  };
  for (const Case& c :
       {Case{0.0f, 50, 0.5f, 0.9999619f, 0.0087265f},
        Case{10.0f, 100, 11.0f, 0.9816272f, 0.1908090f},
        Case{359.75f, 50, 0.25f, 0.9999905f, 0.0043633f}, Case{359.5f, 50, 0.0f, 1.0f, 0.0f},
        Case{359.0f, 50, 359.5f, 0.9999619f, -0.0087265f}, Case{29.5f, 50, 30.0f, 0.8660254f, 0.5f},
        Case{89.5f, 50, 90.0f, 0.0f, 1.0f}, Case{179.5f, 50, 180.0f, -1.0f, 0.0f},
        Case{269.5f, 50, 270.0f, 0.0f, -1.0f}}) {
    FieldState field;
    field.viewAngle = c.from;
    AdvanceViewAngle(field, c.speed);
    EXPECT_EQ(field.viewAngle, c.to) << c.from << " + " << c.speed;
    EXPECT_NEAR(field.viewCos, c.cosine, 1e-6) << c.from;
    EXPECT_NEAR(field.viewSin, c.sine, 1e-6) << c.from;
  }
}
