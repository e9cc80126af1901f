// The preview: a still picture of the saver shown as a child of the window
// the display settings give; the shell lives as long as it does.
#pragma once

#include <windows.h>

namespace zelvane::host {

// Attaches the preview to parent, sized to it, and shows it.
void AttachPreviewWindow(HWND parent);

}  // namespace zelvane::host
