// The live preview's display watch (win32_preview_display_watch.h); what each
// notification means is in common/display_power.h.
#include "host/win32_preview_display_watch.h"

#include "common/failure_trace.h"
#include "common/win32_display_power.h"

namespace zelvane::host {
namespace {

bool displaysOn = true;

LRESULT CALLBACK DisplayWatchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const DisplayPower power = DisplayPowerOfMessage(message, wParam, lParam);
  if (power != DisplayPower::kUnknown) displaysOn = power == DisplayPower::kOn;
  if (message == WM_POWERBROADCAST) return TRUE;
  // The display power command goes on to the default handling, which powers
  // the monitor.
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
  if (!ListenForDisplayPower(window)) ReportFailure("RegisterPowerSettingNotification");
}

bool DisplaysOn() {
  return displaysOn;
}

}  // namespace zelvane::host
