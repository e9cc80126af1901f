// The display power as a window procedure hears of it.
#pragma once

#include <windows.h>

#include "display_power.h"

namespace zelvane {

// What a window message tells about the displays: the console display state
// notification (WM_POWERBROADCAST) or the display power command
// (WM_SYSCOMMAND). Every other message tells nothing. A window answers the
// notification with TRUE and passes the command on to the default procedure.
DisplayPower DisplayPowerOfMessage(UINT message, WPARAM wParam, LPARAM lParam);

// Has the console display state notification sent to window: once at once with
// the present state, then at every change. Null when the platform refuses;
// UnregisterPowerSettingNotification ends it.
HPOWERNOTIFY ListenForDisplayPower(HWND window);

}  // namespace zelvane
