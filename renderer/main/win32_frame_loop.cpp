// The message loop and frame waits (win32_frame_loop.h); the pacing decisions
// are in frame_pacing.cpp.
#include "main/win32_frame_loop.h"

#include <mmsystem.h>

namespace {
// Asks for a timer that keeps to its due time closely, not only to the
// system's clock tick (Windows 10, version 1803 and later).
constexpr DWORD kHighResolutionTimer = 0x00000002;
constexpr int64_t kPacingTicksPerMillisecond = kPacingTicksPerSecond / 1000;

// The system timer period, in milliseconds, while a plain timer paces.
constexpr UINT kPlainTimerPeriod = 1;

HANDLE CreateHighResolutionTimer() {
  return CreateWaitableTimerExW(nullptr, nullptr, kHighResolutionTimer, TIMER_ALL_ACCESS);
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

FrameTimer::FrameTimer(bool highResolution)
    : timer_(highResolution ? CreateHighResolutionTimer() : nullptr) {
  if (timer_ != nullptr) return;
  // A plain timer keeps only to the system's clock tick, by default about
  // 16 ms: a 1 ms period lets it keep to the frame ticks.
  timer_ = CreateWaitableTimerW(nullptr, FALSE, nullptr);
  periodSet_ = timeBeginPeriod(kPlainTimerPeriod) == TIMERR_NOERROR;
}

FrameTimer::~FrameTimer() {
  if (timer_ != nullptr) CloseHandle(timer_);
  if (periodSet_) timeEndPeriod(kPlainTimerPeriod);
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

int RunFrameLoop(FramePacer* pacer, FrameFunction drawFrame, RestFunction resting) {
  FrameTimer timer;
  // When the next pass may start; a time long past: at once.
  int64_t deadline = 0;
  MSG message;
  for (;;) {
    // Messages first, so input is handled however the frames are paced.
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (resting != nullptr && resting()) {
      // No timer: only a message can end the rest.
      MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
      deadline = 0;
      continue;
    }
    if (!timer.WaitUntil(deadline)) continue;
    const bool shown = drawFrame();
    deadline = pacer != nullptr ? pacer->AfterPass(PacingNow(), shown).value_or(0) : 0;
  }
}
