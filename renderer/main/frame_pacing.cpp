// Frame pacing decisions (frame_pacing.h); the waiting is in
// win32_frame_loop.cpp.
#include "main/frame_pacing.h"

int SwapIntervalForRefresh(int refreshRate) {
  // Nearest whole number of refreshes in one designed frame, halves rounded up
  // so that frames never come faster than when rounded down.
  const int interval = (refreshRate + kDesignedFrameRate / 2) / kDesignedFrameRate;
  return interval < 1 ? 1 : interval;
}

int64_t NextTick(int64_t previousTick, int64_t now) {
  const int64_t next = previousTick + kFramePeriod;
  return next > now ? next : now;
}

bool SwapWaitDetector::FrameShown(int64_t now) {
  if (swapDoesNotWait_) return true;
  if (!started_ || now < spanStart_) {
    started_ = true;
    spanStart_ = now;
    framesInSpan_ = 0;
    return false;
  }
  ++framesInSpan_;
  const int64_t elapsed = now - spanStart_;
  if (elapsed < kRateMeasuringSpan) return false;
  // frames / elapsed > fastest rate, in whole numbers.
  swapDoesNotWait_ = framesInSpan_ * kPacingTicksPerSecond > kFastestSwapPacedRate * elapsed;
  spanStart_ = now;
  framesInSpan_ = 0;
  return swapDoesNotWait_;
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
