// The frame loop and its timer under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "main/win32_frame_loop.h"

namespace {
HWND loopWindow = nullptr;
int framesDrawn = 0;
int framesWhenMessageHandled = -1;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) framesWhenMessageHandled = framesDrawn;
  return DefWindowProcW(window, message, wParam, lParam);
}

bool CountedFrame() {
  ++framesDrawn;
  if (framesDrawn == 3) PostMessageW(loopWindow, WM_APP, 0, 0);
  if (framesDrawn == 30) PostQuitMessage(7);
  return true;
}
}  // namespace

TEST(FrameTimer, AMessageEndsTheWaitAtOnceAndAPastDeadlineDoesNotWait) {
  FrameTimer timer;
  EXPECT_TRUE(timer.WaitUntil(PacingNow() - 1));
  MSG message;
  PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // the thread has a queue
  PostThreadMessageW(GetCurrentThreadId(), WM_APP, 0, 0);
  EXPECT_FALSE(timer.WaitUntil(PacingNow() + 60 * kPacingTicksPerSecond));
  EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_APP, WM_APP, PM_REMOVE));
  EXPECT_TRUE(timer.WaitUntil(PacingNow() + kFramePeriod)) << "the tick comes";
}

TEST(FrameLoop, HandlesMessagesBeforeTheNextFrameAndEndsWithTheQuitCode) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = RecordingProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"FrameLoopTest";
  RegisterClassW(&windowClass);
  loopWindow = CreateWindowExW(0, L"FrameLoopTest", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               windowClass.hInstance, nullptr);
  ASSERT_NE(loopWindow, nullptr);

  FramePacer pacer(false);
  const int64_t start = PacingNow();
  EXPECT_EQ(RunFrameLoop(&pacer, CountedFrame), 7);
  const double seconds = static_cast<double>(PacingNow() - start) / kPacingTicksPerSecond;
  EXPECT_EQ(framesDrawn, 30);
  EXPECT_EQ(framesWhenMessageHandled, 3);
  std::printf("30 timer-paced frames in %.3f s (%.1f frames per second)\n", seconds, 30 / seconds);
  DestroyWindow(loopWindow);
}
