// The live preview's display watch (win32_preview_display_watch.h); what each
// notification means is in preview_display_state.h.
#include "host/win32_preview_display_watch.h"

#include <cstring>

#include "common/failure_trace.h"
#include "host/preview_display_state.h"

namespace zelvane::host {
namespace {

bool displaysOn = true;

void Note(std::optional<bool> on) {
  if (on) displaysOn = *on;
}

// The console display state a power-setting notification carries, if it is one.
std::optional<uint32_t> ConsoleDisplayState(const POWERBROADCAST_SETTING& setting) {
  if (!IsEqualGUID(setting.PowerSetting, GUID_CONSOLE_DISPLAY_STATE) ||
      setting.DataLength != sizeof(DWORD)) {
    return std::nullopt;
  }
  DWORD state = 0;
  std::memcpy(&state, setting.Data, sizeof(state));
  return state;
}

LRESULT CALLBACK DisplayWatchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_POWERBROADCAST && wParam == PBT_POWERSETTINGCHANGE && lParam != 0) {
    if (const auto state = ConsoleDisplayState(*reinterpret_cast<POWERBROADCAST_SETTING*>(lParam)))
      Note(DisplaysOnForConsoleState(*state));
    return TRUE;
  }
  // The command goes on to the default handling, which powers the monitor.
  if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MONITORPOWER) {
    Note(DisplaysOnForMonitorPower(static_cast<int64_t>(lParam)));
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

void WatchDisplays() {
  static bool started = false;
  if (started) return;
  started = true;
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DisplayWatchProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kDisplayWatchClass;
  RegisterClassW(&windowClass);
  // Never shown: a tool window, so not even a hidden taskbar entry.
  const HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, kDisplayWatchClass, L"", WS_POPUP, 0, 0, 0,
                                      0, nullptr, nullptr, windowClass.hInstance, nullptr);
  if (window == nullptr) {
    ReportFailure("display watch window");
    return;
  }
  if (!RegisterPowerSettingNotification(window, &GUID_CONSOLE_DISPLAY_STATE,
                                        DEVICE_NOTIFY_WINDOW_HANDLE)) {
    ReportFailure("RegisterPowerSettingNotification");
  }
}

bool DisplaysOn() {
  return displaysOn;
}

}  // namespace zelvane::host
