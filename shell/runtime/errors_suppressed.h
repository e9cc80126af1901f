// Errors-suppressed execution. A routine so marked runs its steps one by one; a
// step that raises an error (throws) is abandoned and the next step runs.
// Nothing is shown to the user; the failure trace hears what was raised.
#pragma once

#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string>

#include "common/failure_trace.h"

namespace zelvane::rt {

// The error the runtime raises when an operation cannot be carried out (a
// window that cannot be created, a missing control array element, a value that
// does not convert).
class RuntimeError : public std::runtime_error {
 public:
  explicit RuntimeError(const std::string& what) : std::runtime_error(what) {}
};

using Step = std::function<void()>;

// Runs one step; true when it completed, false when it raised an error.
template <class F>
bool Attempt(F&& step) noexcept {
  try {
    step();
    return true;
  } catch (...) {
    ReportCurrentException("errors-suppressed step");
    return false;
  }
}

// Runs every step in order, skipping over the ones that fail. Returns how many
// failed.
int RunSteps(std::initializer_list<Step> steps) noexcept;

// Runs the steps in order until one fails; then runs onFailure (itself with
// errors suppressed) and stops. True when every step completed.
bool RunStepsUntilFailure(std::initializer_list<Step> steps, const Step& onFailure = {}) noexcept;

}  // namespace zelvane::rt
