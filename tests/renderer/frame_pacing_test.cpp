#include "main/frame_pacing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <tuple>

namespace {
constexpr int64_t kSecond = kPacingTicksPerSecond;

// Frames shown at `rate` a second for `seconds`; true once the detector said so.
bool SaysOffPace(SwapWaitDetector& detector, double rate, double seconds, int64_t start = 0) {
  bool said = false;
  for (int64_t frame = 0; frame <= static_cast<int64_t>(rate * seconds); ++frame) {
    said = detector.FrameShown(start +
                               static_cast<int64_t>(static_cast<double>(frame * kSecond) / rate));
  }
  return said;
}

// Frames in `seconds` over a swap that returns at once, each wait ending at the deadline.
int FramesOverNonWaitingSwap(FramePacer& pacer, int64_t drawTicks, int seconds) {
  int64_t now = 5 * kSecond;
  const int64_t end = now + seconds * kSecond;
  int frames = 0;
  for (; now < end; ++frames) {
    now += drawTicks;
    now = std::max(now, pacer.AfterPass(now, true).value_or(now));
  }
  return frames;
}
}  // namespace

TEST(FramePacing, TheSwapPacesOnlyWhereAWholeNumberOfRefreshesIsCloseToASixtieth) {
  // Refresh rate, the pacing swap interval (0: none, the timer paces over interval 1).
  constexpr int kRates[][2] = {{50, 0},  {60, 1},  {75, 0}, {90, 0}, {100, 0}, {120, 2}, {144, 0},
                               {165, 0}, {240, 4}, {56, 0}, {57, 1}, {63, 1},  {64, 0},  {0, 0}};
  for (const auto& [refresh, interval] : kRates) {
    EXPECT_EQ(SwapPacingInterval(refresh).value_or(0), interval) << refresh;
    EXPECT_EQ(SwapIntervalForRefresh(refresh), std::max(interval, 1)) << refresh;
  }
  constexpr int64_t tick = 1'000'000, p = kFramePeriod;
  EXPECT_EQ(p, 166'667);
  // One period after the last tick, or at once when late.
  EXPECT_EQ(NextTick(tick, tick + p - 1), tick + p);
  EXPECT_EQ(NextTick(tick, tick + 5 * p / 2), tick + 5 * p / 2);
}

TEST(FramePacing, SwapIsSeenOffPaceWhenFramesComeFasterThanSixtyFiveOrSlowerThanFiftySeven) {
  // Rate, seconds, seen off pace.
  for (const auto& [rate, seconds, off] : {std::tuple{64.0, 3.0, false},
                                           {67.0, 0.3, true},
                                           {57.5, 3.0, false},
                                           {56.0, 1.1, true},
                                           {50.0, 0.9, false}}) {
    SwapWaitDetector detector;
    EXPECT_EQ(SaysOffPace(detector, rate, seconds), off) << rate << " for " << seconds;
  }
  // One late frame, or a rest, is not a slow swap; once seen it stays.
  SwapWaitDetector detector;
  EXPECT_FALSE(SaysOffPace(detector, 60, 1.0));
  EXPECT_FALSE(detector.FrameShown(kSecond + kSecond / 5));
  EXPECT_FALSE(SaysOffPace(detector, 60, 1.0, kSecond + kSecond / 5 + kSecond / 60));
  EXPECT_FALSE(SaysOffPace(detector, 60, 1.0, 9 * kSecond)) << "after a pause";
  EXPECT_TRUE(SaysOffPace(detector, 300, 0.6, 20 * kSecond));
  EXPECT_TRUE(SaysOffPace(detector, 60, 1.0, 21 * kSecond));
  // Measured over a quarter of a second; frames shown at the same tick count.
  SwapWaitDetector burst;
  for (int frame = 0; frame < 20; ++frame) EXPECT_FALSE(burst.FrameShown(frame < 10 ? 0 : frame));
  EXPECT_TRUE(burst.FrameShown(kRateMeasuringSpan)) << "20 frames in 0.25 s";
}

TEST(FramePacing, PacerHoldsSixtyFramesASecondWhereTheSwapDoesNotPace) {
  // Frames slower than that are not held back to every other tick.
  for (const auto& [drawTicks, frames] :
       {std::pair{int64_t{1000}, 600}, {kFramePeriod * 11 / 10, 545}}) {
    FramePacer pacer(false);
    EXPECT_NEAR(FramesOverNonWaitingSwap(pacer, drawTicks, 10), frames, 1) << drawTicks;
  }
  // A swap interval that was set but does not wait: flat out until measured.
  FramePacer shortRun(true), longRun(true);
  const int first = FramesOverNonWaitingSwap(shortRun, 1000, 10);
  EXPECT_GT(first, 600 + 2000);
  EXPECT_FALSE(shortRun.SwapPaces());
  EXPECT_NEAR(FramesOverNonWaitingSwap(longRun, 1000, 20) - first, 600, 1);
  // A waiting swap paces itself; a pass showing nothing waits a tick, forgotten once paced.
  FramePacer waiting(true);
  EXPECT_EQ(waiting.AfterPass(0, false), kFramePeriod);
  for (int frame = 1; frame <= 300; ++frame) {
    EXPECT_EQ(waiting.AfterPass(frame * kSecond / 60, true), std::nullopt) << frame;
  }
  EXPECT_EQ(waiting.AfterPass(5 * kSecond, false), 5 * kSecond + kFramePeriod);
  EXPECT_EQ(waiting.AfterPass(5 * kSecond + kFramePeriod + 10, false),
            5 * kSecond + 2 * kFramePeriod);
  EXPECT_EQ(waiting.AfterPass(6 * kSecond, true), std::nullopt);
}
