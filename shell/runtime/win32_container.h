// A container: a window that holds controls, keeps a retained drawing surface
// and owns timers. Forms, picture boxes and user controls are containers.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "colour.h"
#include "font_spec.h"
#include "win32_control.h"
#include "win32_surface.h"

namespace zelvane::rt {

class Timer;

// How a container looks before anything is drawn on it.
struct Appearance {
  Colour backColour = 0x8000000F;  // the system's face colour
  FontSpec font;
  ScaleMode unit = ScaleMode::kTwips;
};

class Container {
 public:
  explicit Container(const Appearance& appearance);
  // Reports a failure if controls or timers are still registered: they must
  // be destroyed first.
  virtual ~Container();
  Container(const Container&) = delete;
  Container& operator=(const Container&) = delete;

  virtual HWND hWnd() const { return window_; }
  virtual Form& ParentForm() = 0;

  // The retained drawing surface; its unit is the container's scale unit.
  Surface& Canvas() { return surface_; }
  const Surface& Canvas() const { return surface_; }
  // The client size in the surface's unit.
  double ScaleWidth() const { return surface_.ScaleWidth(); }
  double ScaleHeight() const { return surface_.ScaleHeight(); }

  Colour BackColour() const { return surface_.BackColour(); }
  // Sets the back colour and clears the surface to it.
  void SetBackColour(Colour colour);
  const FontSpec& Font() const { return surface_.Font(); }
  void SetFont(const FontSpec& font) { surface_.SetFont(font); }

  // Repaints the window from the surface at once.
  void Refresh();

  // Draws the surface and the windowless controls on dc, shifted by (dx, dy)
  // pixels; used for painting and by transparent children.
  void Compose(HDC dc, int dx, int dy) const;

  // Visits every control of the container in the order they were created; the
  // controls inside a picture box follow the box itself. The parts of a user
  // control are its own and are not visited.
  void ForEachControl(const std::function<void(Control&)>& visit) const;

 protected:
  friend class Control;
  friend class Timer;

  // The window class of all containers.
  static const wchar_t* WindowClass();
  // Creates the container's window with the given styles; the size is the
  // client size in pixels.
  HWND CreateContainerWindow(DWORD style, DWORD exStyle, HWND parent, const RECT& outer,
                             const wchar_t* title);
  void DestroyContainerWindow();
  // Creates the windows of the controls and starts enabled timers.
  void CreateChildren();

  // A message for this container's window; the default handles painting,
  // sizing, timers, windowless mouse input and notices from native controls.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // The client size changed (also while the window is being created).
  virtual void OnResized() {}
  // Mouse input on the container's own area, not on one of its controls.
  enum class MouseAction { kDown, kMove, kUp, kClick };
  virtual void OnMouse(MouseAction action, const MouseEvent& event) {
    (void)action;
    (void)event;
  }
  // The window has been destroyed, by the program or by the platform.
  virtual void OnWindowGone() {}
  // Draws what lies under the windowless controls.
  virtual void ComposeBackground(HDC dc, int dx, int dy) const;

 private:
  static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
  void Paint();
  void Resized(int width, int height);
  void DestroyChildParts();
  WindowlessControl* HitTest(POINT point) const;
  void RouteMouse(UINT message, WPARAM wParam, LPARAM lParam);

  void Register(Control* control);
  void Unregister(Control* control);
  void Register(Timer* timer);
  void Unregister(Timer* timer);

  HWND window_ = nullptr;
  Surface surface_;
  std::vector<Control*> controls_;
  std::vector<Timer*> timers_;
  WindowlessControl* pressed_ = nullptr;  // the control that took the button press
  bool mouseOnSelf_ = false;              // a press went to the container itself
  SIZE reportedSize_ = {-1, -1};
  bool destroying_ = false;
};

}  // namespace zelvane::rt
