// The frame loop and its timer under Wine.
#include "main/win32_frame_loop.h"

#include <gtest/gtest.h>

TEST(FrameLoop, AMessageEndsTheWaitAndTheQuitMessageTheLoop) {
  FrameTimer timer;
  EXPECT_TRUE(timer.WaitUntil(PacingNow() - 1)) << "a past tick";
  MSG message;
  PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // the thread has a queue
  PostThreadMessageW(GetCurrentThreadId(), WM_APP, 0, 0);
  EXPECT_FALSE(timer.WaitUntil(PacingNow() + 60 * kPacingTicksPerSecond));
  EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_APP, WM_APP, PM_REMOVE));
  EXPECT_TRUE(timer.WaitUntil(PacingNow() + kFramePeriod)) << "the tick comes";
  FrameTimer plain(false);  // as where the system has no high-resolution timer
  EXPECT_TRUE(plain.WaitUntil(PacingNow() + kFramePeriod));

  static int framesDrawn = 0;
  const FrameFunction drawFrame = [] {
    if (++framesDrawn == 30) PostQuitMessage(7);
    return true;
  };
  FramePacer pacer(false);  // the pace itself is measured by the benchmarks
  EXPECT_EQ(RunFrameLoop(&pacer, drawFrame), 7);
  EXPECT_EQ(framesDrawn, 30);
}
