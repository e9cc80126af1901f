// The live preview's field: the renderer's OpenGL scene on a window of its own
// laid over the preview's still picture. Its frame loop is RunPreviewFrames
// (preview_window.h).
#pragma once

#include <windows.h>

#include "host/preview_field_size.h"
#include "scene/win32_scene.h"

namespace zelvane::host {

// Lays the live field over the top-left `size` of `preview`, where its window
// can have an OpenGL context; elsewhere the still picture stays as it is, and
// nothing is reported. A field opened before goes first.
void OpenLiveField(HWND preview, PixelSize size, PixelFormatSetter setPixelFormat);

}  // namespace zelvane::host
