// The base of every control: a place in its container, in twips, and whether it
// is visible and enabled. Controls are created with their container, before it
// is loaded (usually as members of the form), and get their windows when the
// container's window is created.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "twips.h"

namespace zelvane::rt {

class Container;
class Form;

// A mouse event: button 1 left, 2 right, 4 middle; shift 1 Shift, 2 Ctrl,
// 4 Alt; x and y in twips from the control's top-left corner.
struct MouseEvent {
  std::int16_t button = 0;
  std::int16_t shift = 0;
  float x = 0;
  float y = 0;
};

using MouseHandler = std::function<void(const MouseEvent&)>;

class Control {
 public:
  Control(Container& container, Bounds bounds);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Container& Parent() const { return container_; }
  // The form the control sits on, through any picture boxes between.
  Form& ParentForm() const;

  const Bounds& Place() const { return bounds_; }
  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.width; }
  int Height() const { return bounds_.height; }
  void Move(int left, int top, int width, int height);
  void Move(int left, int top) { Move(left, top, bounds_.width, bounds_.height); }
  // The place in pixels of the container's client area.
  RECT PixelRect() const;

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // The control's own window; none for windowless controls.
  virtual HWND hWnd() const { return nullptr; }

 protected:
  friend class Container;
  // Called once the container's window exists, and when it goes.
  virtual void CreateWindowPart() {}
  virtual void DestroyWindowPart() {}
  // Called after the place, visibility or enabled state changed; by default
  // the control's own window, if it has one, follows.
  virtual void OnPlaceChanged();
  virtual void OnVisibleChanged();
  virtual void OnEnabledChanged();
  // Asks the container to repaint the control's area.
  void InvalidateArea() const;

 private:
  Container& container_;
  Bounds bounds_;
  bool visible_ = true;
  bool enabled_ = true;
};

// A control drawn by its container, with no window of its own; mouse input on
// its area goes to it.
class WindowlessControl : public Control {
 public:
  using Control::Control;

  std::function<void()> Click;
  MouseHandler MouseDown;
  MouseHandler MouseMove;
  MouseHandler MouseUp;

  // The pointer shown over the control; none keeps the container's.
  HCURSOR Cursor() const { return cursor_; }
  void SetCursor(HCURSOR cursor) { cursor_ = cursor; }

  // Draws the control on dc, whose origin is the container's client origin.
  virtual void Paint(HDC dc) const = 0;
  // Whether the control takes mouse input at all.
  virtual bool TakesMouse() const { return true; }

 private:
  HCURSOR cursor_ = nullptr;
};

}  // namespace zelvane::rt
