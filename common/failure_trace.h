// The failure trace: a failure the program goes on from is reported here, so
// that a developer can see what went wrong. Reports go to the reporter the
// program installs; there is none by default. The Windows reporter is in
// win32_failure_trace.h.
#pragma once

#include <string_view>

namespace zelvane {

using FailureReporter = void (*)(std::string_view what);

// Installs the reporter every failure goes to (nullptr: none). Returns the one
// it replaces.
FailureReporter SetFailureReporter(FailureReporter reporter) noexcept;

// Reports one failure. Nothing a reporter raises comes back to the caller.
void ReportFailure(std::string_view what) noexcept;

// Reports the exception being handled, inside a catch block: `where` and what
// it carries.
void ReportCurrentException(std::string_view where) noexcept;

}  // namespace zelvane
