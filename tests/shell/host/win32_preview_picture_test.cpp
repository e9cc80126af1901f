#include "host/preview_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace zelvane::host {
namespace {

TEST(PreviewPictureTest, ProgramHoldsTheGlowingFieldOnBlackAtThePreviewSize) {
  const rt::Picture picture = LoadPreviewPicture();
  ASSERT_EQ(picture.WidthPixels(), kPreviewPictureWidth);
  ASSERT_EQ(picture.HeightPixels(), kPreviewPictureHeight);

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kPreviewPictureWidth;
  info.bmiHeader.biHeight = -kPreviewPictureHeight;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  const int total = kPreviewPictureWidth * kPreviewPictureHeight;
  std::vector<std::uint8_t> bgrx(4 * total);
  HDC dc = CreateCompatibleDC(nullptr);
  GetDIBits(dc, picture.Bitmap(), 0, kPreviewPictureHeight, bgrx.data(), &info, DIB_RGB_COLORS);
  DeleteDC(dc);

  int black = 0, coloured = 0;
  for (int i = 0; i < total; ++i) {
    const auto [low, high] = std::minmax({bgrx[4 * i], bgrx[4 * i + 1], bgrx[4 * i + 2]});
    black += high < 24;
    coloured += high >= 128 && high - low >= 64;
  }
  EXPECT_GT(black, total / 2);
  EXPECT_GT(coloured, total / 100);
}

}  // namespace
}  // namespace zelvane::host
