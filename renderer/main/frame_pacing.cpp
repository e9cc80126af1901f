// Frame pacing decisions (frame_pacing.h); the waiting is in
// win32_frame_loop.cpp.
#include "main/frame_pacing.h"

std::optional<int> SwapPacingInterval(int refreshRate) {
  const int interval = (refreshRate + kDesignedFrameRate / 2) / kDesignedFrameRate;
  // refresh / interval within the tolerance of the designed rate, in whole numbers.
  if (interval < 1 || refreshRate < kSlowestSwapPacedRate * interval ||
      refreshRate > (kDesignedFrameRate + kSwapPacedRateTolerance) * interval) {
    return std::nullopt;
  }
  return interval;
}

int SwapIntervalForRefresh(int refreshRate) {
  return SwapPacingInterval(refreshRate).value_or(1);
}

int64_t NextTick(int64_t previousTick, int64_t now) {
  const int64_t next = previousTick + kFramePeriod;
  return next > now ? next : now;
}

bool SwapWaitDetector::FrameShown(int64_t now) {
  if (swapOffPace_) return true;
  if (!started_ || now < spanStart_) {
    started_ = true;
    spanStart_ = now;
    framesInSpan_ = 0;
    return false;
  }
  ++framesInSpan_;
  const int64_t elapsed = now - spanStart_;
  if (elapsed < kRateMeasuringSpan) return false;
  // frames / elapsed against the fastest and slowest rates, in whole numbers.
  const int64_t frames = framesInSpan_ * kPacingTicksPerSecond;
  slowSpans_ = frames < kSlowestSwapPacedRate * elapsed ? slowSpans_ + 1 : 0;
  swapOffPace_ = frames > kFastestSwapPacedRate * elapsed || slowSpans_ == kSlowSpansInARow;
  spanStart_ = now;
  framesInSpan_ = 0;
  return swapOffPace_;
}

std::optional<int64_t> FramePacer::AfterPass(int64_t now, bool frameShown) {
  if (frameShown && detector_.FrameShown(now)) swapPaced_ = false;
  // A pass that showed nothing did not wait for a swap either.
  if (swapPaced_ && frameShown) {
    lastTick_.reset();
    return std::nullopt;
  }
  lastTick_ = lastTick_ ? NextTick(*lastTick_, now) : now + kFramePeriod;
  return lastTick_;
}
