// The windows on the monitors beside the primary field's: the other monitors'
// fields and the black covers. Where they go is decided in monitor_layout.h.
#pragma once

#include <windows.h>

#include <span>
#include <vector>

#include "main/monitor_layout.h"
#include "scene/win32_scene.h"

// Every display monitor with its rectangle in physical pixels and its refresh
// rate; the primary screen alone when the system lists none.
std::vector<Monitor> ReadSystemMonitors();

// Opens a plain black top-most window over each area, owned by the field's
// window so that they go with it. Input on them dismisses the saver by the
// field window's rules. Returns the windows created.
std::vector<HWND> OpenCoverWindows(HWND fieldWindow, std::span<const ScreenRect> areas);

// Opens a top-most window over the area, owned by the primary field's window,
// and the scene on it with a field grown from seed. Input on it dismisses the
// saver by the primary window's rules; it resizes the scene with the window
// and closes it when it goes. False when no window could be made.
bool OpenFieldWindow(HWND primaryWindow, const ScreenRect& area, Scene& scene, uint32_t seed);
