// The message loop and frame waits (win32_frame_loop.h); the pacing decisions
// are in frame_pacing.cpp.
#include "main/win32_frame_loop.h"

#include <optional>

namespace {
// Asks for a timer that keeps to its due time closely, not only to the
// system's clock tick (Windows 10, version 1803 and later).
constexpr DWORD kHighResolutionTimer = 0x00000002;
constexpr int64_t kPacingTicksPerMillisecond = kPacingTicksPerSecond / 1000;

HANDLE CreateFrameTimer() {
  const HANDLE timer =
      CreateWaitableTimerExW(nullptr, nullptr, kHighResolutionTimer, TIMER_ALL_ACCESS);
  if (timer != nullptr) return timer;
  return CreateWaitableTimerW(nullptr, FALSE, nullptr);
}
}  // namespace

int64_t PacingNow() {
  static const int64_t frequency = [] {
    LARGE_INTEGER value{};
    QueryPerformanceFrequency(&value);
    return value.QuadPart;
  }();
  LARGE_INTEGER counter{};
  QueryPerformanceCounter(&counter);
  // Whole seconds and the rest apart, so the product cannot overflow.
  const int64_t seconds = counter.QuadPart / frequency;
  const int64_t rest = counter.QuadPart % frequency;
  return seconds * kPacingTicksPerSecond + rest * kPacingTicksPerSecond / frequency;
}

FrameTimer::FrameTimer() : timer_(CreateFrameTimer()) {}

FrameTimer::~FrameTimer() {
  if (timer_ != nullptr) CloseHandle(timer_);
}

bool FrameTimer::WaitUntil(int64_t deadline) {
  const int64_t remaining = deadline - PacingNow();
  if (remaining <= 0) return true;
  DWORD result;
  if (timer_ != nullptr) {
    LARGE_INTEGER due{};
    due.QuadPart = -remaining;  // negative: relative to now
    SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE);
    result = MsgWaitForMultipleObjectsEx(1, &timer_, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (result == WAIT_OBJECT_0) return true;
  } else {
    const auto milliseconds = static_cast<DWORD>((remaining + kPacingTicksPerMillisecond - 1) /
                                                 kPacingTicksPerMillisecond);
    result =
        MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (result == WAIT_TIMEOUT) return true;
  }
  // A message came first; a failed wait must not stop the frames either.
  return result == WAIT_FAILED;
}

int RunFrameLoop(FramePacer* pacer, FrameFunction drawFrame) {
  FrameTimer timer;
  std::optional<int64_t> deadline;
  MSG message;
  for (;;) {
    // Messages first, so input is handled however the frames are paced.
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (deadline && !timer.WaitUntil(*deadline)) continue;
    const bool shown = drawFrame();
    deadline = pacer != nullptr ? pacer->AfterPass(PacingNow(), shown) : std::nullopt;
  }
}
