// The renderer's one process-wide state record, Win32 handles included.
#pragma once

#include <windows.h>

#include "field/swarm.h"
#include "input/dismissal.h"
#include "main/renderer_settings.h"
#include "scene/glow_batch.h"
#include "scene/glow_texture.h"

// The renderer's one process-wide state record, shared by the window
// procedures, the scene and the frame loop.
struct RendererState {
  HINSTANCE instance = nullptr;
  HWND window = nullptr;
  HDC deviceContext = nullptr;
  HGLRC renderContext = nullptr;
  // True from the end of the scene set-up until window destruction begins;
  // frames are drawn only then.
  bool running = false;
  // The buffer swap waits for a number of display refreshes set for this
  // display (until frames are measured coming faster).
  bool swapIntervalSet = false;
  RendererSettings settings;
  DismissalState dismissal;
  FieldState field;
  GlowTexture glowTexture{};
  GlowBatch glowBatch;  // the frame's glows, drawn together
};

RendererState& Renderer();
