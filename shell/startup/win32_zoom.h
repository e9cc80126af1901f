// The platform's window-opening and window-closing animation between the zoom
// point (ZoomX, ZoomY) and a window. The window itself is neither moved, shown
// nor hidden.
#pragma once

#include <windows.h>

namespace zelvane::startup {

void ZoomOpen(HWND hWnd);
void ZoomClose(HWND hWnd);

}  // namespace zelvane::startup
