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

void Throw(std::string_view) {
  throw std::runtime_error("a reporter that fails");
}

class FailureTrace : public testing::Test {
 protected:
  void SetUp() override { g_reports.clear(); }
  void TearDown() override { SetFailureReporter(nullptr); }
};

TEST_F(FailureTrace, ReportsGoToTheInstalledReporterOnly) {
  ReportFailure("before any reporter");
  EXPECT_EQ(SetFailureReporter(Record), nullptr);
  ReportFailure("RegisterClassExW");
  EXPECT_EQ(SetFailureReporter(nullptr), Record);
  ReportFailure("after");
  EXPECT_EQ(g_reports, std::vector<std::string>{"RegisterClassExW"});
}

TEST_F(FailureTrace, AnExceptionIsReportedWithWhatItCarries) {
  SetFailureReporter(Record);
  const auto report = [](auto thrown) {
    try {
      throw thrown;
    } catch (...) {
      ReportCurrentException("step");
    }
  };
  report(std::out_of_range("index 8"));
  report(42);
  ReportCurrentException("outside a handler");
  EXPECT_EQ(g_reports,
            (std::vector<std::string>{"step: index 8", "step: an exception of an unknown type",
                                      "outside a handler: no exception"}));
}

TEST_F(FailureTrace, AReporterThatThrowsDoesNotReachTheCaller) {
  SetFailureReporter(Throw);
  ReportFailure("x");
  try {
    throw 1;
  } catch (...) {
    ReportCurrentException("y");
  }
  SUCCEED();
}

}  // namespace
}  // namespace zelvane
