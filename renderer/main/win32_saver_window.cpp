// The saver window and its one window procedure (win32_saver_window.h).
#include "main/win32_saver_window.h"

#include <ctime>

#include "common/failure_trace.h"
#include "input/win32_dismissal.h"
#include "main/saver_identity.h"
#include "main/win32_cover_windows.h"
#include "main/win32_frame_loop.h"
#include "main/win32_renderer_state.h"
#include "resources/resource_ids.h"
#include "scene/win32_scene.h"

namespace {
// Exit status when the window cannot be set up (the shell does not read it).
constexpr int kSetupFailedStatus = 1;
}  // namespace

void ApplySettings(HWND window) {
  Renderer().settings = kFixedRendererSettings;
  SetWindowTextW(window, kRunningTitle);
}

LRESULT CALLBACK SaverWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // Nothing may propagate out of a window procedure; the only thing that can
  // throw is running out of memory while the scene is built, and then the
  // window is not created.
  try {
    RendererState& state = Renderer();
    if (const StageAnswer answer = ClassStageAnswer(message, wParam)) return *answer;
    if (message == WM_CREATE) {
      Win32SaverWindowActions actions(window);
      OnSaverWindowCreated(state.dismissal, actions);
      ApplySettings(window);
      SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_LOWEST);
      // Each run grows a field of its own from the time it starts.
      state.scene.Open(window, static_cast<uint32_t>(std::time(nullptr)), state.settings);
      state.running = true;
    } else if (message == WM_DESTROY) {
      PostQuitMessage(0);
      // No frame may be drawn once the scene starts to go.
      state.running = false;
      state.scene.Close();
    }
    if (const StageAnswer answer = InputStageAnswer(state.dismissal, window, message, wParam)) {
      return *answer;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  } catch (...) {
    zelvane::ReportCurrentException("saver window procedure");
    return message == WM_CREATE ? -1 : 0;
  }
}

bool IdleFrame() {
  RendererState& state = Renderer();
  if (!state.running || state.dismissal.passwordDialogActive) return false;
  state.scene.Render();
  state.scene.Present();
  return true;
}

int RunSaverWindow() {
  RendererState& state = Renderer();

  WNDCLASSW windowClass{};
  windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_OWNDC;
  windowClass.lpfnWndProc = SaverWindowProc;
  windowClass.hInstance = state.instance;
  windowClass.hIcon = LoadIconW(state.instance, MAKEINTRESOURCEW(ZELVANE_RENDERER_ICON));
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = kSaverClassName;

  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);

  // A saver still being created carries the creation title: bring it forward
  // instead of starting a second one.
  const HWND existing = FindWindowW(kSaverClassName, kCreationTitle);
  if (existing != nullptr && IsWindow(existing)) {
    SetForegroundWindow(existing);
    return 0;
  }

  if (RegisterClassW(&windowClass) == 0) return kSetupFailedStatus;

  state.window = CreateWindowExW(WS_EX_TOPMOST, kSaverClassName, kCreationTitle,
                                 WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0,
                                 width, height, nullptr, nullptr, state.instance, nullptr);
  if (state.window == nullptr) return kSetupFailedStatus;

  CoverOtherMonitors(state.window, {0, 0, width, height});
  SetForegroundWindow(state.window);

  FramePacer pacer(state.scene.SwapIntervalSet());
  return RunFrameLoop(&pacer, IdleFrame);
}
