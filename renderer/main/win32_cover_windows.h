// Black windows over the monitors the saver's window does not cover; where
// they go is decided in monitor_layout.h.
#pragma once

#include <windows.h>

#include <span>
#include <vector>

#include "main/monitor_layout.h"

// The rectangle of every display monitor, in physical pixels.
std::vector<ScreenRect> MonitorRects();

// Opens a plain black top-most window over each area, owned by the field's
// window so that they go with it. Input on them dismisses the saver by the
// field window's rules. Returns the windows created.
std::vector<HWND> OpenCoverWindows(HWND fieldWindow, std::span<const ScreenRect> areas);

// Covers every monitor but the part the field's window shows.
void CoverOtherMonitors(HWND fieldWindow, const ScreenRect& fieldArea);
