// Whether the displays are on, as the system's two display notifications tell
// it. Platform-neutral; the notifications are received in
// win32_preview_display_watch.cpp.
#pragma once

#include <cstdint>
#include <optional>

namespace zelvane::host {

// The console display state of the power-setting notification: 0 off, 1 on,
// 2 dimmed, which still shows the picture. Nothing for a value it does not
// define.
std::optional<bool> DisplaysOnForConsoleState(uint32_t state);

// The argument of the monitor-power system command: -1 on, 1 low power, 2 off.
// A monitor in low power shows nothing, so that counts as off. Nothing for a
// value it does not define.
std::optional<bool> DisplaysOnForMonitorPower(int64_t argument);

}  // namespace zelvane::host
