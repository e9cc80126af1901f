#include "main/monitor_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
constexpr ScreenRect kPrimary{0, 0, 1280, 1024};
constexpr Monitor kPrimaryMonitor{kPrimary, true, 60};
}  // namespace

TEST(MonitorLayout, AFieldOnEveryMonitorThatOverlapsNoFieldOrThePrimaryAloneAndCoversOverTheRest) {
  const struct {
    const char* layout;
    std::vector<Monitor> monitors;
    std::vector<ScreenRect> fields;
    std::vector<ScreenRect> covers;
    bool primaryOnly = false;
  } cases[] = {
      {"one monitor", {kPrimaryMonitor}, {kPrimary}, {}},
      {"none known", {}, {}, {}},
      {"primary listed second, right of a smaller one at 144 Hz",
       {{{-1024, 0, 0, 768}, false, 144}, kPrimaryMonitor},
       {kPrimary, {-1024, 0, 0, 768}},
       {}},
      {"above left, touching a corner",
       {kPrimaryMonitor, {{-1024, -768, 0, 0}}},
       {kPrimary, {-1024, -768, 0, 0}},
       {}},
      {"mirrored primary", {kPrimaryMonitor, {kPrimary}}, {kPrimary}, {}},
      // A monitor overlapping a field gets no field; its cover leaves the field free.
      {"surrounding the primary",
       {{{-10, -20, 1300, 1050}}, kPrimaryMonitor},
       {kPrimary},
       {{-10, -20, 1300, 0}, {-10, 1024, 1300, 1050}, {-10, 0, 0, 1024}, {1280, 0, 1300, 1024}}},
      {"empty rectangle reported", {kPrimaryMonitor, {{1500, 0, 1500, 900}}}, {kPrimary}, {}},
      {"no monitor says primary",
       {{{0, 0, 800, 600}}, {{800, 0, 1600, 600}}},
       {{0, 0, 800, 600}, {800, 0, 1600, 600}},
       {}},
      {"the primary only, side by side",
       {kPrimaryMonitor, {{1280, 0, 3200, 1080}}},
       {kPrimary},
       {{1280, 0, 3200, 1080}},
       true},
  };
  for (const auto& c : cases) {
    const SaverLayout layout = LayOutSaver(c.monitors, c.primaryOnly);
    EXPECT_EQ(layout.fields, c.fields) << c.layout;
    EXPECT_EQ(layout.covers, c.covers) << c.layout;
  }
  const Monitor mixed[] = {{{-1024, 0, 0, 768}, false, 75}, {kPrimary, true, 120}};
  EXPECT_EQ(LayOutSaver(mixed, false).primaryRefreshRate, 120);
  // Several fields cut one monitor that spans them, which is covered once.
  const ScreenRect fields[] = {{0, 0, 100, 100}, {200, 0, 300, 100}};
  const ScreenRect spanning[] = {{0, 0, 300, 100}, {0, 0, 300, 100}};
  EXPECT_EQ(CoverAreas(fields, spanning), (std::vector<ScreenRect>{{100, 0, 200, 100}}));
}

TEST(MonitorLayout, FieldWindowsKeepTheirMonitorWhenTheLayoutChanges) {
  constexpr ScreenRect a{1280, 0, 2560, 1024}, b{-800, 0, 0, 600}, c{0, -600, 800, 0};
  const struct {
    const char* change;
    std::vector<ScreenRect> open, wanted;
    std::vector<int> match;
  } cases[] = {
      {"a monitor goes away", {a, b}, {b}, {1}},
      {"and comes back", {b}, {a, b}, {-1, 0}},
      {"a resolution changes", {a, b}, {a, {-1024, 0, 0, 768}}, {0, 1}},
      {"one replaced, one added", {a, b}, {c, b, a}, {-1, 1, 0}},
      {"from none", {}, {a}, {-1}},
  };
  for (const auto& k : cases) EXPECT_EQ(MatchFieldWindows(k.open, k.wanted), k.match) << k.change;
}
