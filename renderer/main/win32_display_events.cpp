// The displays' power and layout events (win32_display_events.h).
#include "main/win32_display_events.h"

#include "common/failure_trace.h"
#include "common/win32_display_power.h"
#include "main/win32_renderer_state.h"

namespace {
HPOWERNOTIFY displayPowerNotice = nullptr;
}  // namespace

void WatchDisplayPower(HWND window) {
  StopWatchingDisplayPower();
  displayPowerNotice = zelvane::ListenForDisplayPower(window);
  if (displayPowerNotice == nullptr) zelvane::ReportFailure("RegisterPowerSettingNotification");
}

void StopWatchingDisplayPower() {
  if (displayPowerNotice != nullptr) UnregisterPowerSettingNotification(displayPowerNotice);
  displayPowerNotice = nullptr;
}

void ObserveDisplayEvent(UINT message, WPARAM wParam, LPARAM lParam) {
  RendererState& state = Renderer();
  if (const zelvane::DisplayPower power = zelvane::DisplayPowerOfMessage(message, wParam, lParam);
      power != zelvane::DisplayPower::kUnknown) {
    state.displayOn = power == zelvane::DisplayPower::kOn;
  } else if ((message == WM_DISPLAYCHANGE || message == WM_DPICHANGED) && !state.layoutPending &&
             state.window != nullptr) {
    // Every top-level window hears of the change: lay out once, after all have.
    state.layoutPending = PostMessageW(state.window, kLayOutAgainMessage, 0, 0) != FALSE;
  }
}
