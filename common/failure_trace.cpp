// The failure trace's reporting (failure_trace.h); the Windows reporter is in
// win32_failure_trace.cpp.
#include "common/failure_trace.h"

#include <exception>
#include <string>

namespace zelvane {
namespace {

FailureReporter g_reporter = nullptr;

// What the exception being handled carries, into `text`.
void AppendCurrentException(std::string& text) {
  const std::exception_ptr current = std::current_exception();
  if (current == nullptr) {
    text += "no exception";
    return;
  }
  try {
    std::rethrow_exception(current);
  } catch (const std::exception& error) {
    text += error.what();
  } catch (...) {
    text += "an exception of an unknown type";
  }
}

}  // namespace

FailureReporter SetFailureReporter(FailureReporter reporter) noexcept {
  const FailureReporter previous = g_reporter;
  g_reporter = reporter;
  return previous;
}

void ReportFailure(std::string_view what) noexcept {
  if (g_reporter == nullptr) return;
  try {
    g_reporter(what);
  } catch (...) {
  }
}

void ReportCurrentException(std::string_view where) noexcept {
  if (g_reporter == nullptr) return;
  try {
    std::string text(where);
    text += ": ";
    AppendCurrentException(text);
    ReportFailure(text);
  } catch (...) {
    // Out of memory for the text: the plain place is still worth a report.
    ReportFailure(where);
  }
}

}  // namespace zelvane
