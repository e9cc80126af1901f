// Whether the displays show anything, from the system's two ways of telling.
// Platform-neutral; the messages are read in win32_display_power.cpp.
#pragma once

#include <cstdint>
#include <optional>

// The console display state of the system's power-setting notification:
// 0 off, 1 on, 2 dimmed. A dimmed display still shows the picture, so only
// off means nothing is seen. Nothing for a value the system does not define.
std::optional<bool> DisplayOnFromConsoleState(uint32_t state);

// The monitor power system command's argument: -1 powering on, 1 going to low
// power, 2 shutting off. A monitor in low power shows nothing either.
std::optional<bool> DisplayOnFromMonitorPower(intptr_t argument);
