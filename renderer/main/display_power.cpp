// Whether the displays show anything (display_power.h).
#include "main/display_power.h"

namespace {
constexpr uint32_t kConsoleDisplayOff = 0;
constexpr uint32_t kConsoleDisplayOn = 1;
constexpr uint32_t kConsoleDisplayDimmed = 2;
constexpr intptr_t kMonitorPowerOn = -1;
constexpr intptr_t kMonitorPowerLow = 1;
constexpr intptr_t kMonitorPowerOff = 2;
}  // namespace

std::optional<bool> DisplayOnFromConsoleState(uint32_t state) {
  if (state == kConsoleDisplayOff) return false;
  if (state == kConsoleDisplayOn || state == kConsoleDisplayDimmed) return true;
  return std::nullopt;
}

std::optional<bool> DisplayOnFromMonitorPower(intptr_t argument) {
  if (argument == kMonitorPowerOn) return true;
  if (argument == kMonitorPowerLow || argument == kMonitorPowerOff) return false;
  return std::nullopt;
}
