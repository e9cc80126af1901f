#include <gtest/gtest.h>

#include <vector>

#include "main/monitor_layout.h"

namespace {
constexpr ScreenRect kPrimary{0, 0, 1280, 1024};
}

TEST(MonitorLayout, EveryMonitorButTheFieldIsCoveredOnce) {
  const struct {
    const char* layout;
    std::vector<ScreenRect> monitors;
    std::vector<ScreenRect> covers;
  } cases[] = {
      {"above left, touching a corner", {{-1024, -768, 0, 0}, kPrimary}, {{-1024, -768, 0, 0}}},
      {"mirrored primary", {kPrimary, kPrimary}, {}},
      {"two mirrored secondaries",
       {kPrimary, {1280, 0, 2304, 768}, {1280, 0, 2304, 768}},
       {{1280, 0, 2304, 768}}},
      // Where a monitor overlaps the primary, its cover leaves the field free.
      {"overlapping lower right",
       {kPrimary, {1000, 500, 2000, 1500}},
       {{1000, 1024, 2000, 1500}, {1280, 500, 2000, 1024}}},
      {"surrounding the primary",
       {{-10, -20, 1300, 1050}, kPrimary},
       {{-10, -20, 1300, 0}, {-10, 1024, 1300, 1050}, {-10, 0, 0, 1024}, {1280, 0, 1300, 1024}}},
      {"empty rectangle reported", {kPrimary, {1500, 0, 1500, 900}}, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(CoverAreas(kPrimary, c.monitors), c.covers) << c.layout;
}
