// The displays' power and layout events (win32_display_events.h).
#include "main/win32_display_events.h"

#include <cstring>

#include "common/failure_trace.h"
#include "main/display_power.h"
#include "main/win32_renderer_state.h"

namespace {
HPOWERNOTIFY displayPowerNotice = nullptr;

std::optional<bool> DisplayOnFromPowerSetting(const POWERBROADCAST_SETTING& setting) {
  if (setting.PowerSetting != GUID_CONSOLE_DISPLAY_STATE || setting.DataLength < sizeof(DWORD)) {
    return std::nullopt;
  }
  DWORD state;
  std::memcpy(&state, setting.Data, sizeof(state));
  return DisplayOnFromConsoleState(state);
}

std::optional<bool> DisplayOnFromMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_POWERBROADCAST && wParam == PBT_POWERSETTINGCHANGE && lParam != 0) {
    return DisplayOnFromPowerSetting(*reinterpret_cast<const POWERBROADCAST_SETTING*>(lParam));
  }
  // The low four bits of a system command are the system's own.
  if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MONITORPOWER) {
    return DisplayOnFromMonitorPower(lParam);
  }
  return std::nullopt;
}
}  // namespace

void WatchDisplayPower(HWND window) {
  StopWatchingDisplayPower();
  displayPowerNotice = RegisterPowerSettingNotification(window, &GUID_CONSOLE_DISPLAY_STATE,
                                                        DEVICE_NOTIFY_WINDOW_HANDLE);
  if (displayPowerNotice == nullptr) zelvane::ReportFailure("RegisterPowerSettingNotification");
}

void StopWatchingDisplayPower() {
  if (displayPowerNotice != nullptr) UnregisterPowerSettingNotification(displayPowerNotice);
  displayPowerNotice = nullptr;
}

void ObserveDisplayEvent(UINT message, WPARAM wParam, LPARAM lParam) {
  RendererState& state = Renderer();
  if (const std::optional<bool> on = DisplayOnFromMessage(message, wParam, lParam)) {
    state.displayOn = *on;
  } else if ((message == WM_DISPLAYCHANGE || message == WM_DPICHANGED) && !state.layoutPending &&
             state.window != nullptr) {
    // Every top-level window hears of the change: lay out once, after all have.
    state.layoutPending = PostMessageW(state.window, kLayOutAgainMessage, 0, 0) != FALSE;
  }
}
