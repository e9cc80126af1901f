// Frame pacing decisions: swap interval and frame ticks. Platform-neutral; the
// Win32 clock and waits are in win32_frame_loop.h.
#pragma once

#include <cstdint>
#include <optional>

// Frame pacing. The animation steps are per frame and designed for 60 frames a
// second, so frames are held to about that rate on any display: by waiting for
// a whole number of display refreshes at each buffer swap where that number
// gives close to 60 a second, and otherwise by waiting for the next 1/60 s
// tick.
//
// Times are counted in 100-nanosecond units, the unit of the system's
// waitable timers.
inline constexpr int64_t kPacingTicksPerSecond = 10'000'000;
inline constexpr int kDesignedFrameRate = 60;
inline constexpr int64_t kFramePeriod =
    (kPacingTicksPerSecond + kDesignedFrameRate / 2) / kDesignedFrameRate;

// The swap alone paces where refresh / interval lies this close to the
// designed rate (hertz).
inline constexpr int kSwapPacedRateTolerance = 3;
// Frames measured coming faster than this show a swap that does not wait...
inline constexpr int kFastestSwapPacedRate = 65;
// ...and slower than this, one that waits too long (or a refresh rate that was
// not what the system said).
inline constexpr int kSlowestSwapPacedRate = kDesignedFrameRate - kSwapPacedRateTolerance;
// The span over which the frame rate is measured; frames must be slow over
// several spans in a row, so one late frame does not count.
inline constexpr int64_t kRateMeasuringSpan = kPacingTicksPerSecond / 4;
inline constexpr int kSlowSpansInARow = 4;

// The swap interval at which the buffer swap alone holds frames near the
// designed rate on a display of the given refresh rate (hertz): the whole
// number of refreshes that lasts within the tolerance of 1/60 s. Nothing where
// no whole number does (50, 75, 90, 100, 144 or 165 Hz, or a rate the system
// does not know, 0 or 1): the timer paces there.
std::optional<int> SwapPacingInterval(int refreshRate);

// The swap interval to set on such a display: the pacing one, or 1 where the
// timer paces (the swap then only waits for the next refresh).
int SwapIntervalForRefresh(int refreshRate);

// When the next frame may start, given the previous frame's tick and the time
// now: one period after that tick, or at once when the frame was late. Ticks
// are thus never less than a period apart, and a frame that takes longer than
// a period is not held back to the tick after.
int64_t NextTick(int64_t previousTick, int64_t now);

// Watches the times at which frames are shown and tells when a swap that
// should pace does not keep the designed rate: frames faster than a waiting
// swap allows, or slower than it should give over a second. Once seen, that
// stays so.
class SwapWaitDetector {
 public:
  // Records a frame shown at `now`; true from the moment the swaps are known
  // not to keep the pace. A pause in the frames (nothing to draw, the
  // displays off) makes one slow span at most, which is not enough.
  bool FrameShown(int64_t now);

 private:
  bool started_ = false;
  int64_t spanStart_ = 0;
  int64_t framesInSpan_ = 0;
  int slowSpans_ = 0;
  bool swapOffPace_ = false;
};

// Decides after each pass of the frame loop whether to wait for the next tick.
class FramePacer {
 public:
  // `swapPaces`: a swap interval that paces was set, so the swap is expected
  // to hold the rate until this is measured to be untrue.
  explicit FramePacer(bool swapPaces) : swapPaced_(swapPaces) {}

  // Called after each pass at `now`, with whether a frame was shown. Gives the
  // time to wait for before the next pass, or nothing when the swap paces.
  std::optional<int64_t> AfterPass(int64_t now, bool frameShown);

  // Whether the swap still paces; once false, the timer paces for the rest of
  // the run and the swap interval should be 1.
  bool SwapPaces() const { return swapPaced_; }

 private:
  bool swapPaced_;
  SwapWaitDetector detector_;
  std::optional<int64_t> lastTick_;
};
