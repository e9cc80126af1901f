// Whether the displays show a picture, as the platform tells a window: by the
// console display state of its power notification, and by the display power
// system command.
#pragma once

#include <cstdint>

namespace zelvane {

enum class DisplayPower {
  kUnknown,  // the report tells nothing about it
  kOn,
  kOff,
};

// The console display state: 0 off, 1 on, 2 dimmed (a dimmed display still
// shows the picture).
DisplayPower DisplayPowerOfConsoleState(std::uint32_t state);

// The display power command's argument: 2 off, -1 on, 1 low power (a monitor
// in its power-saving state shows nothing either).
DisplayPower DisplayPowerOfMonitorCommand(std::int32_t argument);

}  // namespace zelvane
