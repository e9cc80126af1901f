// The saver windows and the primary field's window procedure
// (win32_saver_window.h).
#include "main/win32_saver_window.h"

#include <ctime>

#include "common/failure_trace.h"
#include "input/win32_dismissal.h"
#include "main/saver_identity.h"
#include "main/win32_display_events.h"
#include "main/win32_frame_loop.h"
#include "main/win32_renderer_state.h"
#include "main/win32_saver_layout.h"
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
  // throw is running out of memory while a scene is built, and then the
  // window is not created.
  try {
    RendererState& state = Renderer();
    if (const StageAnswer answer = ClassStageAnswer(message, wParam)) return *answer;
    ObserveDisplayEvent(message, wParam, lParam);
    if (message == WM_CREATE) {
      Win32SaverWindowActions actions(window);
      OnSaverWindowCreated(state.dismissal, actions);
      ApplySettings(window);
      SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_LOWEST);
      // Each run grows its fields from the time it starts, each from a seed of
      // its own.
      state.nextSeed = static_cast<uint32_t>(std::time(nullptr));
      state.scene.Open(window, state.nextSeed++, state.settings);
      WatchDisplayPower(window);
      state.running = true;
    } else if (message == WM_DESTROY) {
      PostQuitMessage(0);
      // No frame may be drawn once the scenes start to go; the other
      // monitors' windows, owned by this one, went just before it.
      state.running = false;
      StopWatchingDisplayPower();
      state.scene.Close();
      state.otherFields.clear();
      state.covers.clear();
    } else if (message == WM_SIZE) {
      state.scene.Resize(LOWORD(lParam), HIWORD(lParam));
    } else if (message == kLayOutAgainMessage) {
      LayOutSaverWindows();
      return 0;
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
  if (state.swapPaces && !state.pacer.SwapPaces()) {
    // The timer paces from now on; the swap only waits for the next refresh.
    state.swapPaces = false;
    state.scene.SetSwapInterval(1);
  }
  // The other fields first: their swaps do not wait, the primary one's may.
  for (const auto& scene : state.otherFields) {
    scene->Render();
    scene->Present();
  }
  state.scene.Render();
  state.scene.Present();
  return true;
}

bool SaverResting() {
  return !Renderer().displayOn;
}

bool OpenSaverWindows() {
  RendererState& state = Renderer();
  WNDCLASSW windowClass{};
  windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_OWNDC;
  windowClass.lpfnWndProc = SaverWindowProc;
  windowClass.hInstance = state.instance;
  windowClass.hIcon = LoadIconW(state.instance, MAKEINTRESOURCEW(ZELVANE_RENDERER_ICON));
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = kSaverClassName;
  if (RegisterClassW(&windowClass) == 0) return false;

  // Created over the primary screen, then laid out with the others.
  state.window = CreateWindowExW(WS_EX_TOPMOST, kSaverClassName, kCreationTitle,
                                 WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0,
                                 GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                 nullptr, nullptr, state.instance, nullptr);
  if (state.window == nullptr) return false;
  LayOutSaverWindows();
  return true;
}

int RunSaverWindow() {
  RendererState& state = Renderer();
  // A saver still being created carries the creation title: bring it forward
  // instead of starting a second one.
  const HWND existing = FindWindowW(kSaverClassName, kCreationTitle);
  if (existing != nullptr && IsWindow(existing)) {
    SetForegroundWindow(existing);
    return 0;
  }
  if (!OpenSaverWindows()) return kSetupFailedStatus;

  // Without the foreground, key presses would go to the program underneath.
  if (!SetForegroundWindow(state.window) || GetForegroundWindow() != state.window) {
    zelvane::ReportFailure("the saver window did not get the foreground");
  }
  return RunFrameLoop(&state.pacer, IdleFrame, SaverResting);
}
