// A retained drawing surface: a memory bitmap of a window's client size that
// drawing goes to and that the window repaints from, so what was drawn stays
// until it is cleared. Coordinates are in the surface's unit, twips or pixels.
#pragma once

#include <windows.h>

#include "colour.h"
#include "font_spec.h"
#include "twips.h"
#include "win32_picture.h"

namespace zelvane::rt {

class Surface {
 public:
  Surface();
  ~Surface();
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  // The memory device context to draw on with platform calls (BitBlt,
  // GradientFill); it always measures in pixels.
  HDC hDC() const { return dc_; }

  ScaleMode Unit() const { return unit_; }
  void SetUnit(ScaleMode unit) { unit_ = unit; }
  int WidthPixels() const { return width_; }
  int HeightPixels() const { return height_; }
  // The size in the current unit.
  double ScaleWidth() const { return FromPixels(width_, unit_); }
  double ScaleHeight() const { return FromPixels(height_, unit_); }

  Colour BackColour() const { return back_; }
  void SetBackColour(Colour colour) { back_ = colour; }
  const FontSpec& Font() const { return font_; }
  void SetFont(const FontSpec& font) { font_ = font; }
  // A picture under everything drawn; clearing shows it again.
  void SetBackPicture(const Picture& picture);

  // Fills the surface with the back colour and the back picture.
  void Clear();
  // A line from (x1, y1) to (x2, y2), the end point excluded.
  void Line(double x1, double y1, double x2, double y2, Colour colour);

  // Shows what was drawn: the window repaints from the surface now.
  void Refresh();

  // Sizing and presenting, used by the window that owns the surface. A new
  // size keeps what was drawn where it still fits; the rest shows the back
  // colour and the back picture, so a picture given before the window existed
  // is not lost when the surface takes the window's size.
  void Resize(int widthPixels, int heightPixels);
  void AttachWindow(HWND window) { window_ = window; }

 private:
  int Px(double v) const { return ToPixels(v, unit_); }

  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ originalBitmap_ = nullptr;
  HWND window_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  ScaleMode unit_ = ScaleMode::kTwips;
  Colour back_ = 0x8000000F;
  FontSpec font_;
  Picture picture_;
};

}  // namespace zelvane::rt
