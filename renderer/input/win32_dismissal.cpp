// The dismissal rules' Win32 actions and input stage (win32_dismissal.h); the
// rules are in dismissal.cpp.
#include "input/win32_dismissal.h"

#include "input/win32_password_system.h"

static_assert(saver_message::kCreate == WM_CREATE && saver_message::kDestroy == WM_DESTROY &&
              saver_message::kClose == WM_CLOSE && saver_message::kShowWindow == WM_SHOWWINDOW &&
              saver_message::kActivateApp == WM_ACTIVATEAPP &&
              saver_message::kSetCursor == WM_SETCURSOR && saver_message::kKeyDown == WM_KEYDOWN &&
              saver_message::kSysKeyDown == WM_SYSKEYDOWN &&
              saver_message::kSysCommand == WM_SYSCOMMAND &&
              saver_message::kMouseMove == WM_MOUSEMOVE &&
              saver_message::kLeftButtonDown == WM_LBUTTONDOWN &&
              saver_message::kRightButtonDown == WM_RBUTTONDOWN &&
              saver_message::kMiddleButtonDown == WM_MBUTTONDOWN);
static_assert(saver_message::kCommandNextWindow == SC_NEXTWINDOW &&
              saver_message::kCommandPrevWindow == SC_PREVWINDOW &&
              saver_message::kCommandScreenSave == SC_SCREENSAVE);

ScreenPoint Win32SaverWindowActions::CursorPosition() {
  POINT point{};
  GetCursorPos(&point);
  return {point.x, point.y};
}

void Win32SaverWindowActions::HideCursor() {
  SetCursor(nullptr);
}

void Win32SaverWindowActions::PostCloseRequest() {
  PostMessageW(window_, WM_CLOSE, 0, 0);
}

StageAnswer InputStageAnswer(DismissalState& state, HWND fieldWindow, UINT message, WPARAM wParam) {
  Win32SaverWindowActions actions(fieldWindow);
  Win32PasswordSystem password(fieldWindow);
  return InputStageAnswer(state, message, wParam, actions, password);
}
