#include "common/failure_trace.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace zelvane {
namespace {

std::vector<std::string> g_reports;

void Record(std::string_view what) {
  g_reports.emplace_back(what);
}

// How a step's failure reaches the reporter is checked with the errors-suppressed
// steps; here, who hears a report and what a failing reporter does.
TEST(FailureTrace, OnlyTheInstalledReporterHearsAndItsOwnFailureStaysInside) {
  ReportFailure("before any reporter");
  EXPECT_EQ(SetFailureReporter(Record), nullptr);
  ReportFailure("RegisterClassExW");
  ReportCurrentException("outside a handler");
  EXPECT_EQ(SetFailureReporter([](std::string_view) { throw std::runtime_error("fails"); }),
            Record);
  ReportFailure("x");
  try {
    throw 1;
  } catch (...) {
    ReportCurrentException("y");
  }
  SetFailureReporter(nullptr);
  ReportFailure("after");
  EXPECT_EQ(g_reports,
            (std::vector<std::string>{"RegisterClassExW", "outside a handler: no exception"}));
}

}  // namespace
}  // namespace zelvane
