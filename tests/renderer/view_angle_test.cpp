#include "scene/view_angle.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(ViewAngle, TurnsByHundredthsOfADegreeWrapsAt360AndSineGrowsFirst) {
  using Case = std::tuple<float, int, float, float, float>;
  for (const auto& [from, speed, to, cosine, sine] :
       {Case{0.0f, 50, 0.5f, 0.9999619f, 0.0087265f},
        Case{10.0f, 100, 11.0f, 0.9816272f, 0.1908090f},
        Case{359.75f, 50, 0.25f, 0.9999905f, 0.0043633f}, Case{359.5f, 50, 0.0f, 1.0f, 0.0f}}) {
    FieldState field;
    field.viewAngle = from;
    AdvanceViewAngle(field, speed);
    EXPECT_EQ(field.viewAngle, to) << from << " + " << speed;
    EXPECT_NEAR(field.viewCos, cosine, 1e-6) << from;
    EXPECT_NEAR(field.viewSin, sine, 1e-6) << from;
  }
}
