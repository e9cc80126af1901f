// The real preview attached to parent windows of this process: Wine draws a
// child window only when its parent lives in the same process.
#include "host/preview_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "host/preview_picture.h"
#include "runtime/win32_program.h"

namespace zelvane::host {
namespace {

using Pixels = std::vector<COLORREF>;

Pixels Capture(HDC source, int width, int height) {
  HDC memory = CreateCompatibleDC(source);
  HBITMAP bitmap = CreateCompatibleBitmap(source, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
  Pixels pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(memory, x, y) & 0xFFFFFF);
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  return pixels;
}

// What the preview shows inside a bordered parent, whose outer size (which
// the preview takes) is larger than its client area. Parents stay until the
// process ends: the preview ends the program when its parent goes.
Pixels Shown(SIZE outer, RECT& client) {
  const HWND parent =
      CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_BORDER | WS_VISIBLE, 10, 10, outer.cx,
                      outer.cy, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  AttachPreviewWindow(parent);
  for (int i = 0; i < 5; ++i) {
    rt::DoEvents();
    Sleep(20);
  }
  UpdateWindow(GetWindow(parent, GW_CHILD));
  GetClientRect(parent, &client);
  HDC dc = GetDC(parent);
  Pixels pixels = Capture(dc, client.right, client.bottom);
  ReleaseDC(parent, dc);
  return pixels;
}

TEST(PreviewWindow, ShowsTheGlowingFieldTopLeftAtItsOwnSize) {
  const rt::Picture loaded = LoadPreviewPicture();
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, loaded.Bitmap());
  const Pixels picture = Capture(dc, kPreviewPictureWidth, kPreviewPictureHeight);
  SelectObject(dc, old);
  DeleteDC(dc);
  // The program holds the glowing field on black: mostly dark, not all.
  const auto dark =
      std::count_if(picture.begin(), picture.end(), [](COLORREF c) { return (c & 0xE0E0E0) == 0; });
  EXPECT_GT(dark, std::ssize(picture) / 2);
  EXPECT_LT(dark, std::ssize(picture) * 99 / 100);

  for (const SIZE outer : {SIZE{260, 200}, SIZE{100, 80}}) {
    RECT client{};
    const Pixels shown = Shown(outer, client);
    EXPECT_EQ(client.right > kPreviewPictureWidth, outer.cx > kPreviewPictureWidth);
    int wrong = 0;
    for (int y = 0; y < client.bottom; ++y) {
      for (int x = 0; x < client.right; ++x) {
        const bool inside = x < kPreviewPictureWidth && y < kPreviewPictureHeight;
        wrong += shown[static_cast<std::size_t>(y * client.right + x)] !=
                 (inside ? picture[static_cast<std::size_t>(y * kPreviewPictureWidth + x)] : 0);
      }
    }
    EXPECT_EQ(wrong, 0) << outer.cx << " x " << outer.cy;
  }
}

}  // namespace
}  // namespace zelvane::host
