// The live preview's field and frame loop (win32_preview_field.h,
// preview_window.h); when frames are drawn is decided in preview_pacing.h.
#include "host/win32_preview_field.h"

#include <ctime>

#include "common/failure_trace.h"
#include "host/preview_pacing.h"
#include "host/preview_window.h"
#include "host/win32_preview_display_watch.h"
#include "main/win32_frame_loop.h"
#include "runtime/win32_program.h"

namespace zelvane::host {
namespace {

constexpr wchar_t kFieldClass[] = L"ZelvanePreviewField";

struct LiveField {
  HWND window = nullptr;
  Scene scene;
};
LiveField field;

LRESULT CALLBACK FieldWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // The window goes with the preview, and the preview with its parent.
  if (message == WM_DESTROY && window == field.window) {
    field.scene.Close();
    field.window = nullptr;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterFieldClass() {
  static const bool registered = [] {
    WNDCLASSW windowClass{};
    // The scene needs a device context of the window's own.
    windowClass.style = CS_OWNDC;
    windowClass.lpfnWndProc = FieldWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = kFieldClass;
    return RegisterClassW(&windowClass) != 0;
  }();
  (void)registered;
}

// Where OpenGL cannot be had the preview shows its still picture, as it is
// meant to: the scene's set-up failures are no failures of the preview.
class QuietFailureTrace {
 public:
  QuietFailureTrace() : reporter_(SetFailureReporter(nullptr)) {}
  ~QuietFailureTrace() { SetFailureReporter(reporter_); }
  QuietFailureTrace(const QuietFailureTrace&) = delete;
  QuietFailureTrace& operator=(const QuietFailureTrace&) = delete;

 private:
  FailureReporter reporter_;
};

bool FieldLives() {
  return field.scene.IsOpen() && IsWindow(field.window);
}

// Visible (a hidden parent hides it too), not on a minimised window, and on
// displays that are on.
bool FieldSeen() {
  return IsWindowVisible(field.window) && !IsIconic(GetAncestor(field.window, GA_ROOT)) &&
         DisplaysOn();
}

// The processor time of the whole process so far, OpenGL's worker threads
// included, in the pacing unit.
int64_t ProcessorTime() {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
  const auto ticks = [](const FILETIME& time) {
    return static_cast<int64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime;
  };
  return ticks(kernel) + ticks(user);
}

void DrawFrame() {
  for (int step = 1; step < kPreviewStepsPerFrame; ++step) field.scene.StepUnseen();
  field.scene.Render();
  field.scene.Present();
}

// Handles the waiting messages; false once the program is asked to quit, the
// request left for the program's own message loop.
bool HandleMessages() {
  rt::DoEvents();
  MSG message;
  return !PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE);
}

void WaitForMessage() {
  MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

}  // namespace

void OpenLiveField(HWND preview, PixelSize size, PixelFormatSetter setPixelFormat) {
  if (field.window != nullptr) DestroyWindow(field.window);
  RegisterFieldClass();
  // Hidden until it draws, so a failed set-up leaves the still picture untouched.
  const HWND window =
      CreateWindowExW(0, kFieldClass, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, size.width,
                      size.height, preview, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (window == nullptr) return;
  field.window = window;
  {
    const QuietFailureTrace quiet;
    // Each preview grows a field of its own from the time it starts.
    field.scene.Open(window, static_cast<uint32_t>(std::time(nullptr)), kFixedRendererSettings,
                     setPixelFormat);
  }
  const HGLRC context = field.scene.RenderContext();
  if (context == nullptr || wglGetCurrentContext() != context) {
    DestroyWindow(window);
    return;
  }
  WatchDisplays();
  ShowWindow(window, SW_SHOWNA);
}

int64_t RunPreviewFrames(std::optional<int64_t> until) {
  FrameTimer timer;
  PreviewPacer pacer;
  int64_t frames = 0;
  while (HandleMessages() && FieldLives()) {
    const int64_t now = PacingNow();
    if (until && now >= *until) break;
    if (pacer.ShouldDraw(now, FieldSeen())) {
      const int64_t busyBefore = ProcessorTime();
      DrawFrame();
      ++frames;
      pacer.FrameDrawn(PacingNow(), ProcessorTime() - busyBefore);
      continue;
    }
    std::optional<int64_t> wake = pacer.NextDue();
    if (until && (!wake || *until < *wake)) wake = until;
    if (wake) {
      timer.WaitUntil(*wake);
    } else {
      WaitForMessage();
    }
  }
  return frames;
}

}  // namespace zelvane::host
