#include "common/display_power.h"

#include <gtest/gtest.h>

namespace zelvane {
namespace {

using enum DisplayPower;

TEST(DisplayPower, ADimmedDisplayStillShowsAnOffOrLowPowerOneDoesNot) {
  EXPECT_EQ(DisplayPowerOfConsoleState(0), kOff);
  EXPECT_EQ(DisplayPowerOfConsoleState(1), kOn);
  EXPECT_EQ(DisplayPowerOfConsoleState(2), kOn);
  EXPECT_EQ(DisplayPowerOfConsoleState(3), kUnknown);
  EXPECT_EQ(DisplayPowerOfMonitorCommand(2), kOff);
  EXPECT_EQ(DisplayPowerOfMonitorCommand(-1), kOn);
  EXPECT_EQ(DisplayPowerOfMonitorCommand(1), kOff);
  EXPECT_EQ(DisplayPowerOfMonitorCommand(0), kUnknown);
}

}  // namespace
}  // namespace zelvane
