#include "host/renderer_watch.h"

#include <gtest/gtest.h>

namespace zelvane::host {
namespace {

using Verdict = RendererWatch::Verdict;

TEST(RendererWatchTest, RunEndsOnlyAfterTheWindowWasSeenAndHasGone) {
  EXPECT_EQ(kRendererWatchIntervalMs, 500u);
  RendererWatch watch(1'000);
  EXPECT_EQ(watch.Look(false, false, 1'500), Verdict::kWatching);
  EXPECT_EQ(watch.Look(true, false, 2'000), Verdict::kWatching);
  EXPECT_EQ(watch.Look(true, false, 60'000), Verdict::kWatching);  // no time limit once seen
  EXPECT_EQ(watch.Look(false, true, 60'500), Verdict::kRendererEnded);
}

TEST(RendererWatchTest, WindowAlreadyThereCountsAsTheRenderer) {
  RendererWatch watch(0);
  EXPECT_EQ(watch.Look(true, true, 500), Verdict::kWatching);
  EXPECT_EQ(watch.Look(false, true, 1'500), Verdict::kRendererEnded);
}

TEST(RendererWatchTest, RendererThatEndsUnseenEndsTheRunAtOnce) {
  RendererWatch watch(0);
  EXPECT_EQ(watch.Look(false, false, 500), Verdict::kWatching);
  EXPECT_EQ(watch.Look(false, true, 1'000), Verdict::kNeverAppeared);
}

TEST(RendererWatchTest, WaitForAWindowThatNeverAppearsIsBounded) {
  RendererWatch watch(10'000);
  EXPECT_EQ(watch.Look(false, false, 10'000 + kRendererAppearTimeoutMs - 1), Verdict::kWatching);
  EXPECT_EQ(watch.Look(false, false, 10'000 + kRendererAppearTimeoutMs), Verdict::kNeverAppeared);
}

}  // namespace
}  // namespace zelvane::host
