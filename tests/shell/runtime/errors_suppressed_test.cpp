#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/failure_trace.h"
#include "runtime/errors_suppressed.h"
#include "runtime/handler_gate.h"

namespace zelvane::rt {
namespace {

std::vector<std::string> g_reports;

TEST(ErrorsSuppressed, AFailingStepIsSkippedAndReportedAndTheNextRuns) {
  const FailureReporter previous =
      SetFailureReporter([](std::string_view what) { g_reports.emplace_back(what); });
  std::string trace;
  const int failed = RunSteps({[&] { trace += "a"; }, [] { throw RuntimeError("step fails"); },
                               [&] { throw 42; }, [&] { trace += "b"; }});
  EXPECT_EQ(trace, "ab");
  EXPECT_EQ(failed, 2);
  EXPECT_EQ(g_reports,
            (std::vector<std::string>{"errors-suppressed step: step fails",
                                      "errors-suppressed step: an exception of an unknown type"}));

  g_reports.clear();
  EXPECT_TRUE(Attempt([&] { trace += "c"; }));
  EXPECT_TRUE(g_reports.empty()) << "a step that completes is not reported";
  SetFailureReporter(previous);
}

TEST(ErrorsSuppressed, UntilFailureStopsAndRunsTheRecovery) {
  std::string trace;
  EXPECT_FALSE(RunStepsUntilFailure(
      {[&] { trace += "a"; }, [] { throw RuntimeError("x"); }, [&] { trace += "never"; }}, [&] {
        trace += "r";
        throw RuntimeError("the recovery may fail too");
      }));
  EXPECT_EQ(trace, "ar");
  EXPECT_TRUE(RunStepsUntilFailure({[&] { trace += "c"; }}));
}

TEST(HandlerGate, ATickInsideAHandlerIsDroppedNotNestedAndAFailureLeavesTheGateOpen) {
  HandlerGate gate;
  int ticks = 0;
  gate.RunHandler([&] {
    EXPECT_FALSE(gate.RunTick([&] { ++ticks; }));
    gate.RunHandler([&] { EXPECT_EQ(gate.Depth(), 2); });  // other handlers still run
  });
  EXPECT_EQ(ticks, 0);
  EXPECT_EQ(gate.DroppedTicks(), 1);
  EXPECT_TRUE(gate.RunTick([&] {
    ++ticks;
    EXPECT_FALSE(gate.RunTick([&] { ++ticks; }));  // nor inside another tick
  }));
  EXPECT_EQ(ticks, 1);
  // A failing handler leaves the gate open.
  EXPECT_THROW(gate.RunHandler([] { throw RuntimeError("x"); }), RuntimeError);
  EXPECT_THROW(gate.RunTick([] { throw RuntimeError("x"); }), RuntimeError);
  EXPECT_FALSE(gate.Busy());
  EXPECT_TRUE(gate.RunTick([] {}));
}

}  // namespace
}  // namespace zelvane::rt
