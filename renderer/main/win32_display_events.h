// What the saver's windows hear of the displays: power going off and on, and
// layout changes. The decisions are in common/display_power.h and monitor_layout.h.
#pragma once

#include <windows.h>

// Sent (posted) to the primary field's window to lay the windows out again.
inline constexpr UINT kLayOutAgainMessage = WM_APP + 1;

// Asks the system to tell the window when the console display goes off, dims
// or comes on; StopWatchingDisplayPower undoes it.
void WatchDisplayPower(HWND window);
void StopWatchingDisplayPower();

// Notes a message any of the saver's windows received: a display power change
// sets whether the saver draws; a change of the monitors' layout or scale asks
// the primary field's window, once, to lay the windows out again. Neither is
// user input, and the message still goes on to its usual handling.
void ObserveDisplayEvent(UINT message, WPARAM wParam, LPARAM lParam);
