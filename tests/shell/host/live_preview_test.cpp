#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "host/preview_field_size.h"
#include "host/preview_pacing.h"

namespace zelvane::host {
namespace {

constexpr int64_t kMs = kPacingTicksPerSecond / 1000;
constexpr int64_t kSecond = kPacingTicksPerSecond;

// When frames start in [from, to), the loop passing every `wake` (its timer
// or a message), each frame taking `cost` on the clock and `busy` of the
// processor.
std::vector<int64_t> FrameStarts(PreviewPacer& pacer, int64_t from, int64_t to, int64_t wake,
                                 int64_t cost, int64_t busy,
                                 const std::function<bool(int64_t)>& seen = {}) {
  std::vector<int64_t> starts;
  for (int64_t now = from; now < to; now += wake) {
    if (!pacer.ShouldDraw(now, !seen || seen(now))) continue;
    starts.push_back(now);
    now += cost;
    pacer.FrameDrawn(now, busy);
  }
  return starts;
}

TEST(PreviewPacing, ThirtyFramesASecondAndHalfTheProcessorAtMost) {
  // Late wakes, and frames slow on the clock because other programs keep the
  // processor, keep the rate.
  for (const auto& [wake, cost] : {std::pair{kMs, kMs}, {15 * kMs, kMs}, {kMs, 30 * kMs}}) {
    PreviewPacer pacer;
    const auto starts = FrameStarts(pacer, 7, 7 + 10 * kSecond, wake, cost, kMs);
    EXPECT_EQ(starts.size(), 10u * kPreviewFrameRate) << wake << " " << cost;
    EXPECT_EQ(starts.front(), 7) << "the first frame at once";
  }
  // Frames that keep the processor 50 ms each take it half the time, no more.
  PreviewPacer pacer;
  EXPECT_EQ(FrameStarts(pacer, 0, 10 * kSecond, kMs, 50 * kMs, 50 * kMs).size(), 100u);
}

TEST(PreviewPacing, NoFrameNorTimerWhileUnseenNoBurstAfter) {
  PreviewPacer pacer;
  // Seen for a second, hidden for two, seen again for one.
  const auto starts = FrameStarts(pacer, 0, 4 * kSecond, kMs, kMs, kMs,
                                  [](int64_t now) { return now < kSecond || now >= 3 * kSecond; });
  EXPECT_EQ(starts.size(), 2u * kPreviewFrameRate);
  EXPECT_EQ(starts[kPreviewFrameRate], 3 * kSecond) << "at once when seen again";
  EXPECT_FALSE(pacer.ShouldDraw(5 * kSecond, false));
  EXPECT_EQ(pacer.NextDue(), std::nullopt);
  // A whole period late starts a new cadence, never two frames at once.
  ASSERT_TRUE(pacer.ShouldDraw(5 * kSecond, true));
  pacer.FrameDrawn(5 * kSecond, kMs);
  const int64_t late = 5 * kSecond + 2 * kPreviewFramePeriod;
  EXPECT_TRUE(pacer.ShouldDraw(late, true));
  pacer.FrameDrawn(late, kMs);
  EXPECT_EQ(pacer.NextDue(), late + kPreviewFramePeriod);
  EXPECT_TRUE(pacer.ShouldDraw(late + kPreviewFramePeriod, true)) << "drawn on its tick";
}

TEST(LiveFieldSize, WhatTheParentShowsOfThePreview) {
  using Size = std::optional<std::pair<int, int>>;
  const std::vector<std::tuple<PixelSize, PixelSize, Size>> rows{
      {{262, 202}, {260, 200}, std::pair{260, 200}},  // a bordered parent
      {{152, 112}, {1, 1}, std::pair{1, 1}},
      {{0, 0}, {152, 112}, std::nullopt},  // the parent's size unknown
      {{152, 112}, {0, 112}, std::nullopt},
      {{152, 112}, {152, 0}, std::nullopt},
  };
  for (const auto& [preview, client, expected] : rows) {
    const auto size = LiveFieldSize(preview, client);
    EXPECT_EQ(size ? Size(std::pair{size->width, size->height}) : std::nullopt, expected)
        << client.width << " x " << client.height;
  }
}

}  // namespace
}  // namespace zelvane::host
