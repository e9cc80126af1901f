// The preview: the saver's particle field, live and small, shown as a child of
// the window the display settings give, or a still picture of it where OpenGL
// cannot be had; the shell lives as long as the preview does.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "scene/win32_scene.h"

namespace zelvane::host {

// Attaches the preview to parent, sized to it, and shows it. The live field's
// window gets its pixel format from setPixelFormat. Ends the program when the
// parent has gone, then or later.
void AttachPreviewWindow(HWND parent, PixelFormatSetter setPixelFormat = SelectPixelFormat);

// Draws the live field's frames, handling the thread's messages meanwhile,
// until the field's window has gone, the program is asked to quit (the request
// is left for the program's message loop) or `until` (a PacingNow time) has
// come. Returns at once without a live field. Gives the number of frames drawn.
int64_t RunPreviewFrames(std::optional<int64_t> until = std::nullopt);

}  // namespace zelvane::host
