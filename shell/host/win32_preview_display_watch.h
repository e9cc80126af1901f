// Whether the displays are on, for the live preview. The system tells only
// top-level windows about the displays, and the preview is a child window, so
// a hidden top-level window of the preview's own listens.
#pragma once

#include <windows.h>

namespace zelvane::host {

inline constexpr wchar_t kDisplayWatchClass[] = L"ZelvanePreviewDisplayWatch";

// Starts listening; later calls do nothing. The displays count as on until a
// notification says otherwise.
void WatchDisplays();

bool DisplaysOn();

}  // namespace zelvane::host
