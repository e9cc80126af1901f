// The renderer's one process-wide state record, Win32 handles included.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "input/dismissal.h"
#include "main/frame_pacing.h"
#include "main/monitor_layout.h"
#include "main/renderer_settings.h"
#include "scene/win32_scene.h"

// Reads the display monitors; the system's by default, made-up ones in tests.
using MonitorReader = std::vector<Monitor> (*)();

// The renderer's one process-wide state record, shared by the window
// procedures, the scenes and the frame loop.
struct RendererState {
  HINSTANCE instance = nullptr;
  HWND window = nullptr;  // the primary monitor's field, which the saver shell watches
  // True from the end of the scene set-up until window destruction begins;
  // frames are drawn only then.
  bool running = false;
  RendererSettings settings;
  DismissalState dismissal;
  Scene scene;  // the field on the primary monitor's window
  // The field of each other monitor, each on a window of its own owned by the
  // primary one, and the black covers over what no field shows.
  std::vector<std::unique_ptr<Scene>> otherFields;
  std::vector<HWND> covers;
  bool primaryOnly = false;              // the other monitors stay black
  MonitorReader readMonitors = nullptr;  // null: the system's monitors
  bool layoutPending = false;            // a new layout is asked for and not yet made
  bool displayOn = true;                 // false: nothing is seen, so nothing is drawn
  FramePacer pacer{false};
  bool swapPaces = false;  // the primary field's swap interval is the pacing one
  uint32_t nextSeed = 0;   // each field grows from a seed of its own
};

RendererState& Renderer();
