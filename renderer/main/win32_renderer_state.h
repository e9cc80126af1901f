// The renderer's one process-wide state record, Win32 handles included.
#pragma once

#include <windows.h>

#include "input/dismissal.h"
#include "main/renderer_settings.h"
#include "scene/win32_scene.h"

// The renderer's one process-wide state record, shared by the window
// procedures, the scene and the frame loop.
struct RendererState {
  HINSTANCE instance = nullptr;
  HWND window = nullptr;
  // True from the end of the scene set-up until window destruction begins;
  // frames are drawn only then.
  bool running = false;
  RendererSettings settings;
  DismissalState dismissal;
  Scene scene;  // the field on the saver's window
};

RendererState& Renderer();
