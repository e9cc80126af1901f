#include "input/win32_window_procs.h"

#include "input/dismissal.h"
#include "input/win32_password_system.h"
#include "main/win32_renderer_state.h"
#include "main/win32_saver_window.h"

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

namespace {
class Win32SaverWindowActions final : public SaverWindowActions {
 public:
  explicit Win32SaverWindowActions(HWND window) : window_(window) {}

  ScreenPoint CursorPosition() override {
    POINT point{};
    GetCursorPos(&point);
    return {point.x, point.y};
  }
  void HideCursor() override { SetCursor(nullptr); }
  void PostCloseRequest() override { PostMessageW(window_, WM_CLOSE, 0, 0); }

 private:
  HWND window_;
};
}  // namespace

LRESULT CALLBACK SaverClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // Nothing may propagate out of a window procedure; the only thing that can
  // throw is running out of memory while the scene is built, and then the
  // window is not created.
  try {
    if (message == WM_CREATE) {
      Win32SaverWindowActions actions(window);
      OnSaverWindowCreated(Renderer().dismissal, actions);
    } else if (message == WM_DESTROY) {
      PostQuitMessage(0);
    }
    if (const StageAnswer answer = ClassStageAnswer(message, wParam)) return *answer;
    return SaverLifecycleProc(window, message, wParam, lParam);
  } catch (...) {
    return message == WM_CREATE ? -1 : 0;
  }
}

LRESULT SaverInputProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return SaverInputProc(window, window, message, wParam, lParam);
}

LRESULT SaverInputProc(HWND fieldWindow, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Win32SaverWindowActions actions(fieldWindow);
  Win32PasswordSystem password(fieldWindow);
  const StageAnswer answer =
      InputStageAnswer(Renderer().dismissal, message, wParam, actions, password);
  if (answer) return *answer;
  return DefWindowProcW(window, message, wParam, lParam);
}

bool VerifyPassword(HWND window) {
  Win32PasswordSystem password(window);
  return VerifyPassword(Renderer().dismissal, password);
}
