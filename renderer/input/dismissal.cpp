// The dismissal rules (dismissal.h); their Win32 side is win32_dismissal.cpp.
#include "input/dismissal.h"

#include <cstdlib>

#include "input/password_check.h"

namespace {
namespace msg = saver_message;

StageAnswer OnCloseRequest(DismissalState& state, SaverWindowActions& window,
                           ScreenSaverPasswordSystem& password) {
  // Only user input may close the saver. A request arriving while the password
  // dialog is up (another program, or a close posted before the dialog opened)
  // must not open a second dialog or destroy the window under the first.
  if (!state.closeArmed || state.passwordDialogActive) return 0;
  if (!VerifyPassword(state, password)) {
    state.savedCursor = window.CursorPosition();
    return 0;
  }
  return std::nullopt;
}

void OnMouseMove(DismissalState& state, SaverWindowActions& window) {
  // The system sends one move when the window appears under the cursor; it
  // must not arm the close.
  if (!state.firstMoveSeen) {
    state.firstMoveSeen = true;
  } else {
    state.closeArmed = true;
  }
  const ScreenPoint cursor = window.CursorPosition();
  const int distance =
      std::abs(state.savedCursor.x - cursor.x) + std::abs(state.savedCursor.y - cursor.y);
  if (distance > kMouseMoveThreshold) {
    window.PostCloseRequest();
  } else {
    // Small moves carry the reference along, so a slow drift never dismisses.
    state.savedCursor = cursor;
  }
}

void ArmAndRequestClose(DismissalState& state, SaverWindowActions& window) {
  state.closeArmed = true;
  window.PostCloseRequest();
}
}  // namespace

void OnSaverWindowCreated(DismissalState& state, SaverWindowActions& window) {
  state.savedCursor = window.CursorPosition();
  window.HideCursor();
}

StageAnswer ClassStageAnswer(uint32_t message, uintptr_t wParam) {
  if (message == msg::kSysCommand &&
      (wParam == msg::kCommandNextWindow || wParam == msg::kCommandPrevWindow ||
       wParam == msg::kCommandScreenSave)) {
    return 0;
  }
  return std::nullopt;
}

StageAnswer InputStageAnswer(DismissalState& state, uint32_t message, uintptr_t wParam,
                             SaverWindowActions& window, ScreenSaverPasswordSystem& password) {
  if (message == msg::kClose) return OnCloseRequest(state, window, password);
  if (state.passwordDialogActive) return std::nullopt;

  switch (message) {
    case msg::kShowWindow:
      if (wParam != 0) window.HideCursor();
      break;
    case msg::kActivateApp:
      if (wParam == 0) ArmAndRequestClose(state, window);  // another application took over
      break;
    case msg::kSetCursor:
      window.HideCursor();
      return 1;
    case msg::kKeyDown:
    case msg::kSysKeyDown:
    case msg::kLeftButtonDown:
    case msg::kRightButtonDown:
    case msg::kMiddleButtonDown:
      ArmAndRequestClose(state, window);
      break;
    case msg::kMouseMove:
      OnMouseMove(state, window);
      break;
    default:
      break;
  }
  return std::nullopt;
}
