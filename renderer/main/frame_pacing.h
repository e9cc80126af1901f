// Frame pacing decisions: swap interval and frame ticks. Platform-neutral; the
// Win32 clock and waits are in win32_frame_loop.h.
#pragma once

#include <cstdint>
#include <optional>

// Frame pacing. The animation steps are per frame and designed for 60 frames a
// second, so frames are held to about that rate on any display: by waiting for
// a whole number of display refreshes at each buffer swap where the driver can,
// and by waiting for the next 1/60 s tick where the swap does not wait.
//
// Times are counted in 100-nanosecond units, the unit of the system's
// waitable timers.
inline constexpr int64_t kPacingTicksPerSecond = 10'000'000;
inline constexpr int kDesignedFrameRate = 60;
inline constexpr int64_t kFramePeriod =
    (kPacingTicksPerSecond + kDesignedFrameRate / 2) / kDesignedFrameRate;

// Frames measured coming faster than this show a swap that does not wait.
inline constexpr int kFastestSwapPacedRate = 65;
// The span over which the frame rate is measured.
inline constexpr int64_t kRateMeasuringSpan = kPacingTicksPerSecond / 4;

// The swap interval for a display of the given refresh rate (hertz): the whole
// number of refreshes closest to 1/60 s, never less than 1; of two equally
// close, the longer. A rate the system does not know (0 or 1) gives 1.
int SwapIntervalForRefresh(int refreshRate);

// When the next frame may start, given the previous frame's tick and the time
// now: one period after that tick, or at once when the frame was late. Ticks
// are thus never less than a period apart, and a frame that takes longer than
// a period is not held back to the tick after.
int64_t NextTick(int64_t previousTick, int64_t now);

// Watches the times at which frames are shown and tells when they come faster
// than a waiting swap allows. Once seen, that stays so.
class SwapWaitDetector {
 public:
  // Records a frame shown at `now`; true from the moment the swaps are known
  // not to wait.
  bool FrameShown(int64_t now);

 private:
  bool started_ = false;
  int64_t spanStart_ = 0;
  int64_t framesInSpan_ = 0;
  bool swapDoesNotWait_ = false;
};

// Decides after each pass of the frame loop whether to wait for the next tick.
class FramePacer {
 public:
  // `swapWaits`: a swap interval could be set, so the swap is expected to wait
  // until this is measured to be untrue.
  explicit FramePacer(bool swapWaits) : swapPaced_(swapWaits) {}

  // Called after each pass at `now`, with whether a frame was shown. Gives the
  // time to wait for before the next pass, or nothing when the swap paces.
  std::optional<int64_t> AfterPass(int64_t now, bool frameShown);

 private:
  bool swapPaced_;
  SwapWaitDetector detector_;
  std::optional<int64_t> lastTick_;
};
