#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/failure_trace.h"
#include "runtime/control_array.h"
#include "runtime/errors_suppressed.h"
#include "runtime/handler_gate.h"

namespace zelvane::rt {
namespace {

std::vector<std::string> g_reports;

TEST(ErrorsSuppressed, AFailingStepIsReportedAndSkippedOrEndsTheRunWithItsRecovery) {
  const FailureReporter previous =
      SetFailureReporter([](std::string_view what) { g_reports.emplace_back(what); });
  std::string trace;
  EXPECT_EQ(RunSteps({[&] { trace += "a"; }, [] { throw RuntimeError("step fails"); },
                      [] { throw 42; }, [&] { trace += "b"; }}),
            2);
  EXPECT_EQ(g_reports,
            (std::vector<std::string>{"errors-suppressed step: step fails",
                                      "errors-suppressed step: an exception of an unknown type"}));
  EXPECT_TRUE(Attempt([&] { trace += "c"; }));
  EXPECT_EQ(g_reports.size(), 2u) << "a step that completes is not reported";
  SetFailureReporter(previous);

  EXPECT_FALSE(RunStepsUntilFailure(
      {[&] { trace += "d"; }, [] { throw RuntimeError("x"); }, [&] { trace += "never"; }}, [&] {
        trace += "r";
        throw RuntimeError("the recovery may fail too");
      }));
  EXPECT_TRUE(RunStepsUntilFailure({[&] { trace += "e"; }}));
  EXPECT_EQ(trace, "abcdre");
}

// A tick from the message loop of a modal box opened by a handler is dropped,
// other handlers still nest; a handler that throws leaves the gate open.
TEST(HandlerGate, ATickInsideAHandlerIsDroppedNotNestedAndAFailureLeavesItOpen) {
  HandlerGate gate;
  int ticks = 0;
  gate.RunHandler([&] {
    EXPECT_FALSE(gate.RunTick([&] { ++ticks; }));
    gate.RunHandler([&] { EXPECT_EQ(gate.Depth(), 2); });
  });
  EXPECT_TRUE(gate.RunTick([&] {
    ++ticks;
    EXPECT_FALSE(gate.RunTick([&] { ++ticks; }));
  }));
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(gate.DroppedTicks(), 2);
  EXPECT_THROW(gate.RunHandler([] { throw RuntimeError("x"); }), RuntimeError);
  EXPECT_THROW(gate.RunTick([] { throw RuntimeError("x"); }), RuntimeError);
  EXPECT_FALSE(gate.Busy());
}

struct FakeControl {
  explicit FakeControl(int v) : value(v) {}
  int value;
  std::function<void(int)> Changed;
};

TEST(ControlArray, HandlersReceiveTheElementIndex) {
  ControlArray<FakeControl> array;
  array.Add(7, 70);
  array.Add(15, 150);
  std::vector<std::pair<int, int>> calls;
  array.Connect(&FakeControl::Changed, [&](int index, int v) { calls.emplace_back(index, v); });
  array(15).Changed(1);
  array(7).Changed(2);
  EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{{15, 1}, {7, 2}}));
  EXPECT_EQ(array(7).value, 70);
  EXPECT_THROW(array(8), RuntimeError);
}

}  // namespace
}  // namespace zelvane::rt
