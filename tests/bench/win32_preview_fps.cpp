// Runs the saver shell's live preview in parent windows of this process, at
// the size the display settings use and a larger one, and prints the frames
// per second it draws and the processor time per frame, then the processor
// time it takes while its parent is hidden. Each run lasts 5 s unless a number
// of seconds is given.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "host/preview_window.h"
#include "main/win32_frame_loop.h"

namespace {
constexpr double kWarmUpSeconds = 1.0;

// Processor time of the whole process (OpenGL's worker threads included).
double ProcessSeconds() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  const auto ticks = [](const FILETIME& time) {
    return (static_cast<int64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  return static_cast<double>(ticks(kernel) + ticks(user)) / kPacingTicksPerSecond;
}

int64_t After(double seconds) {
  return PacingNow() + static_cast<int64_t>(seconds * kPacingTicksPerSecond);
}

void Measure(const char* name, double seconds) {
  const double processorBefore = ProcessSeconds();
  const int64_t start = PacingNow();
  const int64_t frames = zelvane::host::RunPreviewFrames(After(seconds));
  const double elapsed = static_cast<double>(PacingNow() - start) / kPacingTicksPerSecond;
  const double processor = ProcessSeconds() - processorBefore;
  std::printf("%-24s %6.1f frames/s  %6.2f ms processor/frame  %5.1f%% of one processor\n", name,
              static_cast<double>(frames) / elapsed,
              frames > 0 ? processor / static_cast<double>(frames) * 1000.0 : 0.0,
              processor / elapsed * 100.0);
  std::fflush(stdout);
}
}  // namespace

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 5.0;
  std::printf("live preview, %.1f s per run\n", seconds);
  const struct {
    const char* name;
    int width, height;
  } kSizes[] = {{"152 x 112", 152, 112}, {"400 x 300", 400, 300}};
  HWND parent = nullptr;
  for (const auto& size : kSizes) {
    parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, size.width,
                             size.height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    zelvane::host::AttachPreviewWindow(parent);
    zelvane::host::RunPreviewFrames(After(kWarmUpSeconds));
    Measure(size.name, seconds);
  }
  ShowWindow(parent, SW_HIDE);
  Measure("400 x 300, parent hidden", seconds);
  return 0;
}
