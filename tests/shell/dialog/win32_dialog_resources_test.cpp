// The dialog's pictures and hand cursor as the platform loads them from the
// program. How the pictures look shows on the dialog's own screenshots.
#include <windows.h>

#include <gtest/gtest.h>

#include "dialog/dialog_resource_ids.h"

namespace {

TEST(DialogResources, PicturesHaveTheirSizesAndDepth) {
  const struct {
    int id, width, height;
  } pictures[] = {{IDB_DIALOG_MARBLE, 556, 20},
                  {IDB_DIALOG_OPTION_OFF, 12, 12},
                  {IDB_DIALOG_OPTION_ON, 12, 12}};
  for (const auto& p : pictures) {
    HANDLE bitmap = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(p.id), IMAGE_BITMAP, 0,
                               0, LR_CREATEDIBSECTION);
    ASSERT_NE(bitmap, nullptr) << p.id;
    DIBSECTION dib{};
    GetObjectW(bitmap, sizeof dib, &dib);
    EXPECT_EQ(dib.dsBm.bmWidth, p.width);
    EXPECT_EQ(dib.dsBm.bmHeight, p.height);
    EXPECT_EQ(dib.dsBm.bmBitsPixel, 24);
    DeleteObject(bitmap);
  }
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
