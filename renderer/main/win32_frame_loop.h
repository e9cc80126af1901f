// The message loop that draws frames between messages, with the Win32 clock
// and waits; the pacing decisions are in frame_pacing.h.
#pragma once

#include <windows.h>

#include <cstdint>

#include "main/frame_pacing.h"

// The time now in the pacing unit (100 ns), from the performance counter.
int64_t PacingNow();

// Waits for frame ticks on a waitable timer, a high-resolution one where the
// system has it (and unless told not to), without keeping messages waiting.
// Elsewhere a plain waitable timer, with the system's timer period set to
// 1 ms for as long as it lives.
class FrameTimer {
 public:
  explicit FrameTimer(bool highResolution = true);
  ~FrameTimer();
  FrameTimer(const FrameTimer&) = delete;
  FrameTimer& operator=(const FrameTimer&) = delete;

  // Waits until `deadline` (a PacingNow time) or until a message arrives,
  // whichever comes first. True when the deadline has come.
  bool WaitUntil(int64_t deadline);

 private:
  HANDLE timer_;
  bool periodSet_ = false;  // the system's timer period was set, to be reset
};

// Draws one frame; true when a frame was shown.
using FrameFunction = bool (*)();
// True while nothing should be drawn at all, until a message changes that.
using RestFunction = bool (*)();

// The message loop: handles every waiting message, then draws one frame per
// pass with drawFrame, waiting between frames as the pacer decides (no wait at
// all without a pacer). While resting says so it draws nothing and waits for
// messages alone. Returns the quit message's exit code.
int RunFrameLoop(FramePacer* pacer, FrameFunction drawFrame, RestFunction resting = nullptr);
