// The container-drawn graphical controls: image controls, shapes and lines.
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

enum class ShapeKind { kRectangle, kOval };

// A shape: an outline, optionally filled. It takes no mouse input.
class Shape : public WindowlessControl {
 public:
  Shape(Container& container, Bounds bounds, ShapeKind kind = ShapeKind::kRectangle);

  Colour BorderColour() const { return border_; }
  void SetBorderColour(Colour colour);
  int BorderWidth() const { return borderWidth_; }  // pixels
  void SetBorderWidth(int pixels);
  // Filled with the fill colour, or transparent inside the outline.
  void SetFill(bool filled, Colour colour = kBlack);

  void Paint(HDC dc) const override;
  bool TakesMouse() const override { return false; }

 private:
  ShapeKind kind_;
  Colour border_ = kBlack;
  int borderWidth_ = 1;
  bool filled_ = false;
  Colour fill_ = kBlack;
};

// A line from (x1, y1) to (x2, y2), twips within the container. Its place is
// the rectangle the two ends span. It takes no mouse input.
class LineControl : public WindowlessControl {
 public:
  LineControl(Container& container, int x1, int y1, int x2, int y2);

  void SetEnds(int x1, int y1, int x2, int y2);
  Colour BorderColour() const { return colour_; }
  void SetBorderColour(Colour colour);

  void Paint(HDC dc) const override;
  bool TakesMouse() const override { return false; }

 private:
  int x1_, y1_, x2_, y2_;
  Colour colour_ = kBlack;
};

}  // namespace zelvane::rt
