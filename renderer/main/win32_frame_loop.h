// The message loop that draws frames between messages, with the Win32 clock
// and waits; the pacing decisions are in frame_pacing.h.
#pragma once

#include <windows.h>

#include <cstdint>

#include "main/frame_pacing.h"

// The time now in the pacing unit (100 ns), from the performance counter.
int64_t PacingNow();

// Waits for frame ticks on a waitable timer, a high-resolution one where the
// system has it, without keeping messages waiting.
class FrameTimer {
 public:
  FrameTimer();
  ~FrameTimer();
  FrameTimer(const FrameTimer&) = delete;
  FrameTimer& operator=(const FrameTimer&) = delete;

  // Waits until `deadline` (a PacingNow time) or until a message arrives,
  // whichever comes first. True when the deadline has come.
  bool WaitUntil(int64_t deadline);

 private:
  HANDLE timer_;
};

// Draws one frame; true when a frame was shown.
using FrameFunction = bool (*)();

// The message loop: handles every waiting message, then draws one frame per
// pass with drawFrame, waiting between frames as the pacer decides (no wait at
// all without a pacer). Returns the quit message's exit code.
int RunFrameLoop(FramePacer* pacer, FrameFunction drawFrame);
