#include "errors_suppressed.h"

namespace zelvane::rt {

int RunSteps(std::initializer_list<Step> steps) noexcept {
  int failed = 0;
  for (const Step& step : steps) {
    if (!Attempt(step)) ++failed;
  }
  return failed;
}

bool RunStepsUntilFailure(std::initializer_list<Step> steps, const Step& onFailure) noexcept {
  for (const Step& step : steps) {
    if (!Attempt(step)) {
      if (onFailure) Attempt(onFailure);
      return false;
    }
  }
  return true;
}

}  // namespace zelvane::rt
