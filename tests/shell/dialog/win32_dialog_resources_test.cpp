// The dialog's pictures and hand cursor as the platform loads them from the
// program.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "dialog/dialog_resource_ids.h"

namespace {

struct LoadedBitmap {
  DIBSECTION dib{};
  HBITMAP bitmap = nullptr;
  explicit LoadedBitmap(int id)
      : bitmap(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                               IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))) {
    if (bitmap) GetObjectW(bitmap, sizeof dib, &dib);
  }
  ~LoadedBitmap() { DeleteObject(bitmap); }
  COLORREF At(int x, int y) const {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF c = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return c;
  }
};

TEST(DialogResources, PicturesHaveTheirSizesDepthAndLooks) {
  const struct {
    int id, width, height;
  } pictures[] = {{IDB_DIALOG_MARBLE, 556, 20},
                  {IDB_DIALOG_OPTION_OFF, 12, 12},
                  {IDB_DIALOG_OPTION_ON, 12, 12}};
  for (const auto& p : pictures) {
    const LoadedBitmap b(p.id);
    ASSERT_NE(b.bitmap, nullptr) << p.id;
    EXPECT_EQ(b.dib.dsBm.bmWidth, p.width);
    EXPECT_EQ(b.dib.dsBm.bmHeight, p.height);
    EXPECT_EQ(b.dib.dsBm.bmBitsPixel, 24);
  }

  const LoadedBitmap off(IDB_DIALOG_OPTION_OFF), on(IDB_DIALOG_OPTION_ON);
  EXPECT_EQ(off.At(0, 0), RGB(128, 128, 128));
  EXPECT_EQ(off.At(6, 6), RGB(255, 255, 255));
  const COLORREF blue = on.At(6, 6);
  EXPECT_GT(GetBValue(blue), 2 * GetRValue(blue));
  EXPECT_GT(GetBValue(blue), 2 * GetGValue(blue));

  // Light grey, and textured rather than flat.
  const LoadedBitmap marble(IDB_DIALOG_MARBLE);
  std::set<int> greys;
  for (int x = 0; x < 556; x += 3) {
    for (int y = 0; y < 20; ++y) {
      const COLORREF c = marble.At(x, y);
      EXPECT_GE(GetRValue(c), 160);
      EXPECT_LE(std::abs(GetRValue(c) - GetGValue(c)), 8);
      greys.insert(GetRValue(c));
    }
  }
  EXPECT_GT(greys.size(), 16u);
}

TEST(DialogResources, HandCursorIsMonochromeWithItsHotSpotAtTheFingerTip) {
  HCURSOR hand = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_DIALOG_HAND));
  ASSERT_NE(hand, nullptr);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(hand, &info));
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.xHotspot, 12u);
  EXPECT_EQ(info.yHotspot, 10u);
  EXPECT_EQ(info.hbmColor, nullptr);  // monochrome: one mask twice as high
  BITMAP mask{};
  GetObjectW(info.hbmMask, sizeof mask, &mask);
  EXPECT_EQ(mask.bmWidth, 32);
  EXPECT_EQ(mask.bmHeight, 64);
  DeleteObject(info.hbmMask);
}

}  // namespace
