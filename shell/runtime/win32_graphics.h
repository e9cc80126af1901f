// The container-drawn graphical controls: image controls and shapes.
#pragma once

#include "colour.h"
#include "win32_control.h"
#include "win32_picture.h"

namespace zelvane::rt {

// An image control: its picture drawn at the picture's own size from the
// control's top-left corner, never scaled; where the control is larger the
// container shows through, where it is smaller the picture is cut off.
class Image : public WindowlessControl {
 public:
  Image(Container& container, Bounds bounds, Picture picture = {});

  const Picture& GetPicture() const { return picture_; }
  void SetPicture(const Picture& picture);

  void Paint(HDC dc) const override;

 private:
  Picture picture_;
};

// A shape: a one-pixel black rectangle outline, transparent inside. It takes
// no mouse input.
class Shape : public WindowlessControl {
 public:
  using WindowlessControl::WindowlessControl;

  void Paint(HDC dc) const override;
  bool TakesMouse() const override { return false; }
};

}  // namespace zelvane::rt
