#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "host/preview_display_state.h"
#include "host/preview_field_size.h"
#include "host/preview_pacing.h"

namespace zelvane::host {
namespace {

constexpr int64_t kMillisecond = kPacingTicksPerSecond / 1000;

struct Frame {
  int64_t start, end;
};

// The frame loop over `seconds`: it wakes when the pacer's next frame is due,
// `lateness` after that, or, while nothing is due, every `idleWake` (the
// preview's timer messages); a frame takes `cost`.
std::vector<Frame> RunLoop(PreviewPacer& pacer, int64_t from, double seconds, int64_t cost,
                           int64_t lateness, const std::function<bool(int64_t)>& seen = {},
                           int64_t idleWake = 250 * kMillisecond) {
  std::vector<Frame> frames;
  const int64_t end = from + static_cast<int64_t>(seconds * kPacingTicksPerSecond);
  for (int64_t now = from; now < end;) {
    if (pacer.ShouldDraw(now, !seen || seen(now))) {
      frames.push_back({now, now + cost});
      now += cost;
      pacer.FrameDrawn(now);
    }
    const auto due = pacer.NextDue();
    now = due && *due > now ? *due + lateness : now + idleWake;
  }
  return frames;
}

TEST(PreviewPacing, ThirtyFramesASecondHoweverLateTheTimerWakes) {
  for (const int64_t lateness : {int64_t{0}, 2 * kMillisecond, 15 * kMillisecond}) {
    PreviewPacer pacer;
    const auto frames = RunLoop(pacer, 1'000, 10.0, kMillisecond, lateness);
    EXPECT_NEAR(static_cast<double>(frames.size()), 10 * kPreviewFrameRate, 1) << lateness;
    EXPECT_EQ(frames.front().start, 1'000) << "the first frame at once";
  }
  // Messages that wake the loop between frames bring no frame early.
  PreviewPacer pacer;
  const auto frames = RunLoop(pacer, 0, 1.0, kMillisecond, 0, {}, kMillisecond);
  EXPECT_EQ(frames.size(), 30u);
}

TEST(PreviewPacing, SlowFramesLeaveTheProcessorHalfAPeriodOfRestBetweenThem) {
  PreviewPacer pacer;
  const int64_t cost = 50 * kMillisecond;
  const auto frames = RunLoop(pacer, 0, 10.0, cost, 0);
  const double rest = 1.0 / (2 * kPreviewFrameRate);
  EXPECT_NEAR(static_cast<double>(frames.size()), 10.0 / (0.05 + rest), 1);
  for (size_t i = 1; i < frames.size(); ++i) {
    EXPECT_GE(frames[i].start - frames[i - 1].end, kPreviewMinimumRest) << i;
  }
}

TEST(PreviewPacing, NoFrameNorTimerWhileUnseenAndNoBurstAfter) {
  PreviewPacer pacer;
  const int64_t second = kPacingTicksPerSecond;
  // Seen for a second, hidden for two, seen again.
  const auto seen = [second](int64_t now) { return now < second || now >= 3 * second; };
  const auto frames = RunLoop(pacer, 0, 4.0, kMillisecond, 0, seen);
  const auto hidden = std::count_if(frames.begin(), frames.end(), [second](const Frame& f) {
    return f.start >= second && f.start < 3 * second;
  });
  EXPECT_EQ(hidden, 0);
  EXPECT_NEAR(static_cast<double>(frames.size()), 2 * kPreviewFrameRate, 1);
  EXPECT_FALSE(pacer.ShouldDraw(5 * second, false));
  EXPECT_EQ(pacer.NextDue(), std::nullopt);
  // Seen again long after its tick: a frame at once, the next a period on.
  EXPECT_TRUE(pacer.ShouldDraw(5 * second, true));
  pacer.FrameDrawn(5 * second);
  EXPECT_EQ(pacer.NextDue(), 5 * second + kPreviewFramePeriod);
  // Hidden and seen again within a period: still no frame before its tick.
  EXPECT_FALSE(pacer.ShouldDraw(5 * second + kMillisecond, false));
  EXPECT_FALSE(pacer.ShouldDraw(5 * second + 2 * kMillisecond, true));
  // A whole period late is a new cadence too, not two frames at once.
  const int64_t late = 5 * second + 2 * kPreviewFramePeriod;
  EXPECT_TRUE(pacer.ShouldDraw(late, true));
  pacer.FrameDrawn(late);
  EXPECT_EQ(pacer.NextDue(), late + kPreviewFramePeriod);
}

TEST(PreviewDisplayState, OffOnlyWhenTheDisplaysShowNothing) {
  using Answer = std::optional<bool>;
  for (const auto& [state, on] : {std::pair<uint32_t, Answer>{0, false},
                                  {1, true},
                                  {2, true},
                                  {3, std::nullopt},
                                  {0xFFFFFFFF, std::nullopt}}) {
    EXPECT_EQ(DisplaysOnForConsoleState(state), on) << state;
  }
  for (const auto& [argument, on] : {std::pair<int64_t, Answer>{-1, true},
                                     {1, false},
                                     {2, false},
                                     {0, std::nullopt},
                                     {0xFFFFFFFF, std::nullopt}}) {
    EXPECT_EQ(DisplaysOnForMonitorPower(argument), on) << argument;
  }
}

TEST(LiveFieldSize, WhatTheParentShowsOfThePreview) {
  struct Row {
    PixelSize preview, parentClient;
    std::optional<std::pair<int, int>> field;
  };
  for (const Row& row : std::vector<Row>{
           {{152, 112}, {152, 112}, std::pair{152, 112}},
           {{262, 202}, {260, 200}, std::pair{260, 200}},  // a bordered parent
           {{152, 112}, {1, 1}, std::pair{1, 1}},
           {{0, 0}, {152, 112}, std::nullopt},  // the parent's size unknown
           {{152, 112}, {0, 112}, std::nullopt},
           {{152, 112}, {152, 0}, std::nullopt},
           {{152, 112}, {-2, 112}, std::nullopt},
       }) {
    const auto size = LiveFieldSize(row.preview, row.parentClient);
    EXPECT_EQ(size ? std::optional(std::pair{size->width, size->height}) : std::nullopt, row.field)
        << row.preview.width << " x " << row.preview.height;
  }
}

}  // namespace
}  // namespace zelvane::host
