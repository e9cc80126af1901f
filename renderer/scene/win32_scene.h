// The OpenGL scene of one window: its context and its own particle field,
// drawn by gl_field_drawing.h. Its platform-neutral parts are in this folder
// and in field/.
#pragma once

#include <windows.h>

#include <cstdint>

#include "field/swarm.h"
#include "main/renderer_settings.h"
#include "scene/gl_field_drawing.h"
#include "scene/glow_batch.h"

// Chooses the best double-buffered RGBA OpenGL format of the device and sets it.
void SelectPixelFormat(HDC deviceContext);
// How a scene gives its window's device context a pixel format.
using PixelFormatSetter = void (*)(HDC deviceContext);

// One window's particle field drawn with OpenGL. The window's class must give
// it a device context of its own. A window may hold one scene at a time; a
// program may hold several, each on its own window with its own rendering
// context, which each frame makes current.
class Scene {
 public:
  Scene() = default;
  Scene(const Scene&) = delete;
  Scene& operator=(const Scene&) = delete;
  ~Scene() { Close(); }

  // Gives the window an OpenGL context sized to its client area and builds
  // the glow texture, its billboard display list and the swarms, from a field
  // of its own grown from seed. Failed set-up calls are not fatal: the frames
  // then simply show nothing, and RenderContext() is null when no context
  // could be made.
  void Open(HWND window, uint32_t seed, const RendererSettings& settings,
            PixelFormatSetter setPixelFormat = SelectPixelFormat);

  // The window's client area is now width x height pixels: the viewport and
  // the projection follow it.
  void Resize(int width, int height);

  // Clears, turns the view, steps and draws every swarm into the back buffer.
  void Render(GlowDrawing drawing = GlowDrawing::kBatched);
  // Turns the view and steps every swarm as Render does, drawing nothing: for
  // a window that shows fewer frames than the field's designed rate.
  void StepUnseen();
  // Shows the back buffer with a buffer swap.
  void Present();

  // Frees the swarms and the OpenGL context and gives the device context back.
  void Close();

  bool IsOpen() const { return window_ != nullptr; }
  HWND Window() const { return window_; }
  HDC DeviceContext() const { return deviceContext_; }
  HGLRC RenderContext() const { return renderContext_; }
  // The buffer swap holds frames to the designed rate on this display: a
  // swap interval that paces was set (until frames are measured off pace).
  bool SwapIntervalSet() const { return swapIntervalSet_; }
  // Sets the number of display refreshes each buffer swap waits for (0: none).
  // False when the driver offers no such control.
  bool SetSwapInterval(int interval);
  FieldState& Field() { return field_; }

 private:
  // Makes the scene's context current on this thread if it is not.
  void MakeCurrent();

  HWND window_ = nullptr;
  HDC deviceContext_ = nullptr;
  HGLRC renderContext_ = nullptr;
  bool swapIntervalSet_ = false;
  RendererSettings settings_;
  FieldState field_;
  GlowBatch glowBatch_;  // the frame's glows, drawn together
};
