#include "win32_graphics.h"

#include <algorithm>

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

void Shape::Paint(HDC dc) const {
  const RECT rect = PixelRect();
  HPEN pen = CreatePen(PS_INSIDEFRAME, 1, PlatformColour(kBlack));
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(pen);
}

}  // namespace zelvane::rt
