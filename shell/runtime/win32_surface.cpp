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

void Surface::FillBox(double x1, double y1, double x2, double y2, Colour colour) {
  const int left = std::min(Px(x1), Px(x2)), right = std::max(Px(x1), Px(x2));
  const int top = std::min(Px(y1), Px(y2)), bottom = std::max(Px(y1), Px(y2));
  Fill(dc_, RECT{left, top, right + 1, bottom + 1}, colour);
}

void Surface::GradientVertical(double x1, double y1, double x2, double y2, Colour top,
                               Colour bottom) {
  auto channel = [](int v) { return static_cast<COLOR16>(v << 8); };
  const COLORREF a = PlatformColour(top), b = PlatformColour(bottom);
  TRIVERTEX vertices[2] = {
      {Px(x1), Px(y1), channel(GetRValue(a)), channel(GetGValue(a)), channel(GetBValue(a)), 0},
      {Px(x2), Px(y2), channel(GetRValue(b)), channel(GetGValue(b)), channel(GetBValue(b)), 0}};
  GRADIENT_RECT rect{0, 1};
  GradientFill(dc_, vertices, 2, &rect, 1, GRADIENT_FILL_RECT_V);
}

void Surface::PaintPicture(const Picture& picture, double x, double y, double width, double height,
                           double srcX, double srcY, double srcWidth, double srcHeight) {
  picture.Draw(dc_, Px(x), Px(y), Px(width), Px(height), Px(srcX), Px(srcY), Px(srcWidth),
               Px(srcHeight));
}

void Surface::PaintPicture(const Picture& picture, double x, double y) {
  const int w = picture.WidthPixels(), h = picture.HeightPixels();
  picture.Draw(dc_, Px(x), Px(y), w, h, 0, 0, w, h);
}

void Surface::Print(double x, double y, std::wstring_view text) {
  HGDIOBJ old = SelectObject(dc_, FontHandle(font_));
  SetTextColor(dc_, PlatformColour(fore_));
  SetBkMode(dc_, TRANSPARENT);
  TextOutW(dc_, Px(x), Px(y), text.data(), static_cast<int>(text.size()));
  SelectObject(dc_, old);
}

Colour Surface::Point(double x, double y) const {
  const COLORREF c = GetPixel(dc_, ToPixels(x, unit_), ToPixels(y, unit_));
  return c == CLR_INVALID ? 0xFFFFFFFF : c;
}

void Surface::Refresh() {
  if (!window_) return;
  InvalidateRect(window_, nullptr, FALSE);
  UpdateWindow(window_);
}

}  // namespace zelvane::rt
