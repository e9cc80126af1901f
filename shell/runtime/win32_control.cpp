#include "win32_control.h"

#include "win32_container.h"

namespace zelvane::rt {

Control::Control(Container& container, Bounds bounds) : container_(container), bounds_(bounds) {
  container_.Register(this);
}

Control::~Control() {
  container_.Unregister(this);
}

Form& Control::ParentForm() const {
  return container_.ParentForm();
}

void Control::Move(int left, int top, int width, int height) {
  InvalidateArea();
  bounds_ = {left, top, width, height};
  OnPlaceChanged();
  InvalidateArea();
}

RECT Control::PixelRect() const {
  const PixelPlace p = PixelPlaceOf(bounds_);
  return {p.left, p.top, p.left + p.width, p.top + p.height};
}

void Control::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  OnVisibleChanged();
  InvalidateArea();
}

void Control::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  OnEnabledChanged();
  InvalidateArea();
}

void Control::OnPlaceChanged() {
  if (HWND window = hWnd()) {
    const RECT r = PixelRect();
    MoveWindow(window, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
  }
}

void Control::OnVisibleChanged() {
  if (HWND window = hWnd()) ShowWindow(window, Visible() ? SW_SHOWNA : SW_HIDE);
}

void Control::OnEnabledChanged() {
  if (HWND window = hWnd()) EnableWindow(window, Enabled());
}

void Control::InvalidateArea() const {
  if (HWND window = container_.hWnd()) {
    const RECT rect = PixelRect();
    InvalidateRect(window, &rect, FALSE);
  }
}

}  // namespace zelvane::rt
