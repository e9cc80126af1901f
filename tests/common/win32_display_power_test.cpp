// The display power as a window hears of it, under Wine. Wine never sends the
// console display state notification itself, so the test hands the window
// procedure's reading the notification Windows would send.
#include "common/win32_display_power.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace zelvane {
namespace {

using enum DisplayPower;

// A notification as Windows lays it out: the setting, the data's length, the data.
std::vector<unsigned char> Setting(const GUID& guid, DWORD state, DWORD length = sizeof(DWORD)) {
  std::vector<unsigned char> bytes(sizeof(POWERBROADCAST_SETTING) + sizeof state);
  auto* setting = reinterpret_cast<POWERBROADCAST_SETTING*>(bytes.data());
  setting->PowerSetting = guid;
  setting->DataLength = length;
  std::memcpy(setting->Data, &state, sizeof state);
  return bytes;
}

DisplayPower Notified(std::vector<unsigned char> setting, WPARAM event = PBT_POWERSETTINGCHANGE) {
  return DisplayPowerOfMessage(WM_POWERBROADCAST, event, reinterpret_cast<LPARAM>(setting.data()));
}

TEST(DisplayPowerOfMessage, ReadsTheConsoleDisplayStateAndTheDisplayPowerCommand) {
  EXPECT_EQ(Notified(Setting(GUID_CONSOLE_DISPLAY_STATE, 0)), kOff);
  EXPECT_EQ(Notified(Setting(GUID_CONSOLE_DISPLAY_STATE, 2)), kOn);
  // Another setting, data too short for a state, or another power event tell nothing.
  EXPECT_EQ(Notified(Setting(GUID_MONITOR_POWER_ON, 0)), kUnknown);
  EXPECT_EQ(Notified(Setting(GUID_CONSOLE_DISPLAY_STATE, 0, 1)), kUnknown);
  EXPECT_EQ(Notified(Setting(GUID_CONSOLE_DISPLAY_STATE, 0), PBT_APMSUSPEND), kUnknown);
  // The command's low four bits are the system's own; its argument is 32 bits.
  EXPECT_EQ(DisplayPowerOfMessage(WM_SYSCOMMAND, SC_MONITORPOWER | 3, 2), kOff);
  EXPECT_EQ(DisplayPowerOfMessage(WM_SYSCOMMAND, SC_MONITORPOWER, 0xFFFFFFFF), kOn);
  EXPECT_EQ(DisplayPowerOfMessage(WM_SYSCOMMAND, SC_SCREENSAVE, 2), kUnknown);
  EXPECT_EQ(DisplayPowerOfMessage(WM_COMMAND, SC_MONITORPOWER, 2), kUnknown);
}

}  // namespace
}  // namespace zelvane
