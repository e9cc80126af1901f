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

// The pixels of a bitmap or window device context, row by row.
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

// A bordered parent, so that its outer size (which the preview takes) is
// larger than the client area the preview is seen in. Parents stay until the
// process ends: the preview ends the program when its parent goes.
HWND Parent(int outerWidth, int outerHeight) {
  return CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_BORDER | WS_VISIBLE, 10, 10, outerWidth,
                         outerHeight, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// What the preview shows inside parent: the client area's pixels.
Pixels Shown(HWND parent, RECT& client) {
  AttachPreviewWindow(parent);
  for (int i = 0; i < 5; ++i) {
    rt::DoEvents();
    Sleep(20);
  }
  const HWND preview = GetWindow(parent, GW_CHILD);
  EXPECT_NE(preview, nullptr);
  UpdateWindow(preview);
  GetClientRect(parent, &client);
  HDC dc = GetDC(parent);
  Pixels pixels = Capture(dc, client.right, client.bottom);
  ReleaseDC(parent, dc);
  return pixels;
}

// Larger than the picture: the picture at the top left at its own size, black
// to the right and below it; smaller: only the picture's top-left part.
TEST(PreviewWindow, ShowsTheGlowingFieldTopLeftAtItsOwnSize) {
  const rt::Picture loaded = LoadPreviewPicture();
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, loaded.Bitmap());
  const Pixels picture = Capture(dc, kPreviewPictureWidth, kPreviewPictureHeight);
  SelectObject(dc, old);
  DeleteDC(dc);
  ASSERT_EQ(picture.size(), std::size_t{kPreviewPictureWidth * kPreviewPictureHeight});
  // The program holds the glowing field on black.
  int black = 0, coloured = 0;
  for (const COLORREF c : picture) {
    const auto [low, high] = std::minmax({GetRValue(c), GetGValue(c), GetBValue(c)});
    black += high < 24;
    coloured += high >= 128 && high - low >= 64;
  }
  EXPECT_GT(black, static_cast<int>(picture.size()) / 2);
  EXPECT_GT(coloured, static_cast<int>(picture.size()) / 100);

  for (const SIZE outer : {SIZE{260, 200}, SIZE{100, 80}}) {
    RECT client{};
    const Pixels shown = Shown(Parent(outer.cx, outer.cy), client);
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
