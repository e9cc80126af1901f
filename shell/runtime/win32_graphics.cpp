#include "win32_graphics.h"

#include <algorithm>
#include <cstdlib>

#include "win32_font.h"

namespace zelvane::rt {

Image::Image(Container& container, Bounds bounds, Picture picture)
    : WindowlessControl(container, bounds), picture_(std::move(picture)) {}

void Image::SetPicture(const Picture& picture) {
  picture_ = picture;
  InvalidateArea();
}

void Image::Paint(HDC dc) const {
  if (picture_.Empty()) return;
  const RECT rect = PixelRect();
  const int width = std::min<int>(picture_.WidthPixels(), rect.right - rect.left);
  const int height = std::min<int>(picture_.HeightPixels(), rect.bottom - rect.top);
  if (width > 0 && height > 0) {
    picture_.Draw(dc, rect.left, rect.top, width, height, 0, 0, width, height);
  }
}

Shape::Shape(Container& container, Bounds bounds, ShapeKind kind)
    : WindowlessControl(container, bounds), kind_(kind) {}

void Shape::SetBorderColour(Colour colour) {
  border_ = colour;
  InvalidateArea();
}

void Shape::SetBorderWidth(int pixels) {
  borderWidth_ = std::max(pixels, 0);
  InvalidateArea();
}

void Shape::SetFill(bool filled, Colour colour) {
  filled_ = filled;
  fill_ = colour;
  InvalidateArea();
}

void Shape::Paint(HDC dc) const {
  const RECT rect = PixelRect();
  HPEN pen = borderWidth_ > 0 ? CreatePen(PS_INSIDEFRAME, borderWidth_, PlatformColour(border_))
                              : static_cast<HPEN>(GetStockObject(NULL_PEN));
  HBRUSH brush = filled_ ? CreateSolidBrush(PlatformColour(fill_))
                         : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  if (kind_ == ShapeKind::kOval) {
    Ellipse(dc, rect.left, rect.top, rect.right, rect.bottom);
  } else {
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
  }
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  if (borderWidth_ > 0) DeleteObject(pen);
  if (filled_) DeleteObject(brush);
}

namespace {

Bounds Span(int x1, int y1, int x2, int y2) {
  return {std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + kTwipsPerPixel,
          std::abs(y2 - y1) + kTwipsPerPixel};
}

}  // namespace

LineControl::LineControl(Container& container, int x1, int y1, int x2, int y2)
    : WindowlessControl(container, Span(x1, y1, x2, y2)), x1_(x1), y1_(y1), x2_(x2), y2_(y2) {}

void LineControl::SetEnds(int x1, int y1, int x2, int y2) {
  x1_ = x1;
  y1_ = y1;
  x2_ = x2;
  y2_ = y2;
  const Bounds b = Span(x1, y1, x2, y2);
  Move(b.left, b.top, b.width, b.height);
}

void LineControl::SetBorderColour(Colour colour) {
  colour_ = colour;
  InvalidateArea();
}

void LineControl::Paint(HDC dc) const {
  DrawLine(dc, TwipsToPixels(x1_), TwipsToPixels(y1_), TwipsToPixels(x2_), TwipsToPixels(y2_),
           colour_);
}

}  // namespace zelvane::rt
