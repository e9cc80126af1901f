#include "win32_surface.h"

#include <algorithm>

#include "win32_font.h"

namespace zelvane::rt {
namespace {

// A top-down 32-bit bitmap the device context can draw on directly.
HBITMAP NewBitmap(HDC dc, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = std::max(width, 1);
  info.bmiHeader.biHeight = -std::max(height, 1);
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  return CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

void Fill(HDC dc, const RECT& rect, Colour colour) {
  HBRUSH brush = CreateSolidBrush(PlatformColour(colour));
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

}  // namespace

Surface::Surface() : dc_(CreateCompatibleDC(nullptr)) {
  Resize(1, 1);
}

Surface::~Surface() {
  SelectObject(dc_, originalBitmap_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

void Surface::Resize(int widthPixels, int heightPixels) {
  widthPixels = std::max(widthPixels, 0);
  heightPixels = std::max(heightPixels, 0);
  if (bitmap_ && widthPixels == width_ && heightPixels == height_) return;
  HBITMAP bitmap = NewBitmap(dc_, widthPixels, heightPixels);
  if (!bitmap) return;  // keep the old surface rather than none
  HDC fresh = CreateCompatibleDC(dc_);
  HGDIOBJ old = SelectObject(fresh, bitmap);
  // Where the surface grows, the back colour and the back picture show, as a
  // clear would show them; what was drawn before stays on top where it fits.
  Fill(fresh, RECT{0, 0, std::max(widthPixels, 1), std::max(heightPixels, 1)}, back_);
  if (!picture_.Empty()) {
    picture_.Draw(fresh, 0, 0, picture_.WidthPixels(), picture_.HeightPixels(), 0, 0,
                  picture_.WidthPixels(), picture_.HeightPixels());
  }
  if (bitmap_) BitBlt(fresh, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY);
  SelectObject(fresh, old);
  DeleteDC(fresh);
  HGDIOBJ previous = SelectObject(dc_, bitmap);
  if (!originalBitmap_) originalBitmap_ = previous;
  if (bitmap_) DeleteObject(bitmap_);
  bitmap_ = bitmap;
  width_ = widthPixels;
  height_ = heightPixels;
}

void Surface::SetBackPicture(const Picture& picture) {
  picture_ = picture;
  if (!picture_.Empty()) {
    picture_.Draw(dc_, 0, 0, picture_.WidthPixels(), picture_.HeightPixels(), 0, 0,
                  picture_.WidthPixels(), picture_.HeightPixels());
  }
}

void Surface::Clear() {
  Fill(dc_, RECT{0, 0, width_, height_}, back_);
  SetBackPicture(picture_);
}

void Surface::Line(double x1, double y1, double x2, double y2, Colour colour) {
  DrawLine(dc_, Px(x1), Px(y1), Px(x2), Px(y2), colour);
}

void Surface::Refresh() {
  if (!window_) return;
  InvalidateRect(window_, nullptr, FALSE);
  UpdateWindow(window_);
}

}  // namespace zelvane::rt
