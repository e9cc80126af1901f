// The display notifications read (preview_display_state.h).
#include "host/preview_display_state.h"

namespace zelvane::host {

std::optional<bool> DisplaysOnForConsoleState(uint32_t state) {
  switch (state) {
    case 0:
      return false;
    case 1:
    case 2:
      return true;
    default:
      return std::nullopt;
  }
}

std::optional<bool> DisplaysOnForMonitorPower(int64_t argument) {
  switch (argument) {
    case -1:
      return true;
    case 1:
    case 2:
      return false;
    default:
      return std::nullopt;
  }
}

}  // namespace zelvane::host
