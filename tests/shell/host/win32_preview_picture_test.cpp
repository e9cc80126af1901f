#include "host/preview_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

namespace zelvane::host {
namespace {

TEST(PreviewPictureTest, ProgramHoldsTheGlowingFieldOnBlackAtThePreviewSize) {
  const rt::Picture picture = LoadPreviewPicture();
  ASSERT_FALSE(picture.Empty());
  ASSERT_EQ(picture.WidthPixels(), kPreviewPictureWidth);
  ASSERT_EQ(picture.HeightPixels(), kPreviewPictureHeight);

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kPreviewPictureWidth;
  info.bmiHeader.biHeight = -kPreviewPictureHeight;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP target = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_NE(target, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, target);
  picture.Draw(dc, 0, 0, kPreviewPictureWidth, kPreviewPictureHeight, 0, 0, kPreviewPictureWidth,
               kPreviewPictureHeight);
  GdiFlush();

  int black = 0, coloured = 0;
  const auto* pixels = static_cast<const std::uint8_t*>(bits);
  for (int i = 0; i < kPreviewPictureWidth * kPreviewPictureHeight; ++i) {
    const std::uint8_t b = pixels[4 * i], g = pixels[4 * i + 1], r = pixels[4 * i + 2];
    const int high = std::max({r, g, b}), low = std::min({r, g, b});
    black += high < 24;
    coloured += high >= 128 && high - low >= 64;
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(target);

  const int total = kPreviewPictureWidth * kPreviewPictureHeight;
  EXPECT_GT(black, total / 2);
  EXPECT_GT(coloured, total / 100);
}

}  // namespace
}  // namespace zelvane::host
