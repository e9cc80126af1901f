#include "win32_display_power.h"

#include <cstring>

namespace zelvane {

DisplayPower DisplayPowerOfMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MONITORPOWER) {
    // The argument is a 32-bit number; a sender may not have widened -1 to 64 bits.
    return DisplayPowerOfMonitorCommand(static_cast<std::int32_t>(lParam));
  }
  if (message != WM_POWERBROADCAST || wParam != PBT_POWERSETTINGCHANGE || lParam == 0) {
    return DisplayPower::kUnknown;
  }
  const auto* setting = reinterpret_cast<const POWERBROADCAST_SETTING*>(lParam);
  DWORD state = 0;
  if (setting->PowerSetting != GUID_CONSOLE_DISPLAY_STATE || setting->DataLength < sizeof state) {
    return DisplayPower::kUnknown;
  }
  std::memcpy(&state, setting->Data, sizeof state);
  return DisplayPowerOfConsoleState(state);
}

HPOWERNOTIFY ListenForDisplayPower(HWND window) {
  return RegisterPowerSettingNotification(window, &GUID_CONSOLE_DISPLAY_STATE,
                                          DEVICE_NOTIFY_WINDOW_HANDLE);
}

}  // namespace zelvane
