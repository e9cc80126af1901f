#include "display_power.h"

namespace zelvane {

DisplayPower DisplayPowerOfConsoleState(std::uint32_t state) {
  switch (state) {
    case 0:
      return DisplayPower::kOff;
    case 1:
    case 2:
      return DisplayPower::kOn;
    default:
      return DisplayPower::kUnknown;
  }
}

DisplayPower DisplayPowerOfMonitorCommand(std::int32_t argument) {
  switch (argument) {
    case 1:
    case 2:
      return DisplayPower::kOff;
    case -1:
      return DisplayPower::kOn;
    default:
      return DisplayPower::kUnknown;
  }
}

}  // namespace zelvane
