#include <gtest/gtest.h>

#include <optional>

#include "main/frame_pacing.h"

namespace {
constexpr int64_t kSecond = kPacingTicksPerSecond;

// Feeds `seconds` of frames at `rate` per second; true once the detector said
// the swaps do not wait.
bool FramesSayNoWait(SwapWaitDetector& detector, int rate, double seconds, int64_t start = 0) {
  bool said = false;
  for (int64_t frame = 0; frame <= static_cast<int64_t>(rate * seconds); ++frame) {
    said = detector.FrameShown(start + frame * kSecond / rate);
  }
  return said;
}

// Runs the pacer for `seconds` over a swap that returns at once, with drawing
// taking `drawTicks`, waiting exactly until each deadline it gives. Returns the
// frames shown.
int FramesWithoutWaitingSwap(FramePacer& pacer, int64_t drawTicks, int seconds) {
  int64_t now = 5 * kSecond;  // the clock does not start at zero
  const int64_t end = now + seconds * kSecond;
  int frames = 0;
  while (now < end) {
    now += drawTicks;
    ++frames;
    const std::optional<int64_t> deadline = pacer.AfterPass(now, true);
    if (deadline) {
      EXPECT_GT(*deadline, now - drawTicks) << "a deadline already past before the frame";
      if (*deadline > now) now = *deadline;
    }
  }
  return frames;
}
}  // namespace

TEST(FramePacing, SwapIntervalIsTheWholeNumberOfRefreshesClosestToASixtiethOfASecond) {
  const struct {
    int refreshRate;
    int interval;
  } cases[] = {{0, 1},   {1, 1},   {30, 1},  {59, 1},  {60, 1},  {75, 1},  {89, 1},
               {90, 2},  {100, 2}, {120, 2}, {144, 2}, {149, 2}, {150, 3}, {165, 3},
               {239, 4}, {240, 4}, {360, 6}, {500, 8}, {-5, 1}};
  for (const auto& c : cases)
    EXPECT_EQ(SwapIntervalForRefresh(c.refreshRate), c.interval) << c.refreshRate;
}

TEST(FramePacing, NextTickStaysOnTheGridAndSkipsMissedTicks) {
  constexpr int64_t tick = 1'000'000;
  const struct {
    int64_t now;
    int64_t next;
  } cases[] = {
      {tick + 1, tick + kFramePeriod},                         // on time
      {tick + kFramePeriod - 1, tick + kFramePeriod},          // only just
      {tick + kFramePeriod, tick + 2 * kFramePeriod},          // the tick itself has gone
      {tick + 5 * kFramePeriod / 2, tick + 3 * kFramePeriod},  // late: missed ones skipped
      {tick - 10, tick + kFramePeriod},                        // woken early
  };
  for (const auto& c : cases) EXPECT_EQ(NextTick(tick, c.now), c.next) << c.now - tick;
  EXPECT_EQ(kFramePeriod, 166'667) << "1/60 s in 100 ns units";
}

TEST(FramePacing, SwapIsSeenNotToWaitOnlyWhenFramesComeFasterThanSixtyFivePerSecond) {
  for (const int rate : {30, 60, 62, 64}) {
    SwapWaitDetector detector;
    EXPECT_FALSE(FramesSayNoWait(detector, rate, 3.0)) << rate;
    EXPECT_FALSE(detector.SwapDoesNotWait()) << rate;
  }
  for (const int rate : {67, 120, 476}) {
    SwapWaitDetector detector;
    EXPECT_TRUE(FramesSayNoWait(detector, rate, 0.3)) << rate << " seen within a measuring span";
  }
  // Once seen it stays, even when the frames then slow down (as they do once
  // they are paced by the timer).
  SwapWaitDetector detector;
  EXPECT_TRUE(FramesSayNoWait(detector, 200, 1.0));
  EXPECT_TRUE(FramesSayNoWait(detector, 30, 1.0, 2 * kSecond));
  // A slow start (the first frames of a program) does not hide fast frames later.
  SwapWaitDetector late;
  EXPECT_FALSE(FramesSayNoWait(late, 20, 1.0));
  EXPECT_TRUE(FramesSayNoWait(late, 300, 0.6, 2 * kSecond));
}

TEST(FramePacing, PacerHoldsSixtyFramesASecondWhereverTheSwapDoesNotWait) {
  // No swap interval: the timer paces from the first frame, whether drawing is
  // quick or takes most of a period.
  for (const int64_t drawTicks : {int64_t{1000}, kFramePeriod / 2, kFramePeriod - 100}) {
    FramePacer pacer(false);
    const int frames = FramesWithoutWaitingSwap(pacer, drawTicks, 10);
    EXPECT_GE(frames, 599) << drawTicks;
    EXPECT_LE(frames, 601) << drawTicks;
  }
  // A swap interval that was set but does not wait: a quarter second flat out,
  // then paced.
  FramePacer measured(true);
  const int frames = FramesWithoutWaitingSwap(measured, 1000, 10);
  EXPECT_GE(frames, 599);
  EXPECT_LE(frames, 600 + 2600);
  FramePacer again(true);
  EXPECT_NEAR(FramesWithoutWaitingSwap(again, 1000, 20) - frames, 600, 1) << "paced after that";
}

TEST(FramePacing, AWaitingSwapIsLeftToPaceButAPassWithoutAFrameWaitsATick) {
  FramePacer pacer(true);
  int64_t now = 0;
  for (int frame = 0; frame < 300; ++frame) {
    now += kSecond / 60;
    EXPECT_EQ(pacer.AfterPass(now, true), std::nullopt) << frame;
  }
  // Nothing drawn (a password dialog, a window not yet running): no swap
  // waited, so the pass must not come round again at once.
  EXPECT_EQ(pacer.AfterPass(now, false), now + kFramePeriod);
  EXPECT_EQ(pacer.AfterPass(now + kFramePeriod + 10, false), now + 2 * kFramePeriod);
  EXPECT_EQ(pacer.AfterPass(now + 3 * kFramePeriod, true), std::nullopt) << "frames again";
}
