#include "host/renderer_watch.h"

#include <gtest/gtest.h>

namespace zelvane::host {
namespace {

using enum RendererWatch::Verdict;

TEST(RendererWatchTest, RunEndsOnceTheSeenWindowHasGoneOrTheRendererEndedUnseen) {
  RendererWatch seen(1'000);  // no time limit once seen
  EXPECT_EQ(seen.Look(true, false, 2'000), kWatching);
  EXPECT_EQ(seen.Look(true, false, 60'000), kWatching);
  EXPECT_EQ(seen.Look(false, false, 60'500), kRendererEnded);  // however long it takes to end
  RendererWatch unseen(0);  // dismissed before the first look, or never started
  EXPECT_EQ(unseen.Look(false, true, 500), kNeverAppeared);
  RendererWatch late(10'000);
  EXPECT_EQ(late.Look(false, false, 10'000 + kRendererAppearTimeoutMs - 1), kWatching);
  EXPECT_EQ(late.Look(false, false, 10'000 + kRendererAppearTimeoutMs), kNeverAppeared);
}

}  // namespace
}  // namespace zelvane::host
