// The display power as a window hears of it, under Wine. Wine never sends the
// console display state notification itself, so the test hands the window
// procedure's reading the notification Windows would send.
#include "common/win32_display_power.h"

#include <gtest/gtest.h>

#include <vector>

#include "win32_power_setting_notice.h"

namespace zelvane {
namespace {

using enum DisplayPower;

DisplayPower Notified(std::vector<unsigned char> setting, WPARAM event = PBT_POWERSETTINGCHANGE) {
  return DisplayPowerOfMessage(WM_POWERBROADCAST, event, reinterpret_cast<LPARAM>(setting.data()));
}

TEST(DisplayPowerOfMessage, ReadsTheConsoleDisplayStateAndTheDisplayPowerCommand) {
  EXPECT_EQ(Notified(PowerSettingNotice(GUID_CONSOLE_DISPLAY_STATE, 0)), kOff);
  EXPECT_EQ(Notified(PowerSettingNotice(GUID_CONSOLE_DISPLAY_STATE, 2)), kOn);
  // Another setting, data too short for a state, or another power event tell nothing.
  EXPECT_EQ(Notified(PowerSettingNotice(GUID_MONITOR_POWER_ON, 0)), kUnknown);
  EXPECT_EQ(Notified(PowerSettingNotice(GUID_CONSOLE_DISPLAY_STATE, 0, 1)), kUnknown);
  EXPECT_EQ(Notified(PowerSettingNotice(GUID_CONSOLE_DISPLAY_STATE, 0), PBT_APMSUSPEND), kUnknown);
  // The command's low four bits are the system's own; its argument is 32 bits.
  EXPECT_EQ(DisplayPowerOfMessage(WM_SYSCOMMAND, SC_MONITORPOWER | 3, 2), kOff);
  EXPECT_EQ(DisplayPowerOfMessage(WM_SYSCOMMAND, SC_MONITORPOWER, 0xFFFFFFFF), kOn);
  EXPECT_EQ(DisplayPowerOfMessage(WM_SYSCOMMAND, SC_SCREENSAVE, 2), kUnknown);
  EXPECT_EQ(DisplayPowerOfMessage(WM_COMMAND, SC_MONITORPOWER, 2), kUnknown);
}

}  // namespace
}  // namespace zelvane
