// The dialog's pictures and hand cursor as the platform loads them from the
// program. How the pictures look shows on the dialog's own screenshots.
#include <windows.h>

#include <gtest/gtest.h>

#include <tuple>

#include "dialog/dialog_resource_ids.h"

namespace {

TEST(DialogResources, PicturesHaveTheirSizesAndTheHandItsHotSpot) {
  const HINSTANCE program = GetModuleHandleW(nullptr);
  for (const auto [id, width, height] :
       {std::tuple{IDB_DIALOG_MARBLE, 556, 20}, std::tuple{IDB_DIALOG_OPTION_OFF, 12, 12},
        std::tuple{IDB_DIALOG_OPTION_ON, 12, 12}}) {
    HANDLE bitmap =
        LoadImageW(program, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    DIBSECTION dib{};
    ASSERT_TRUE(GetObjectW(bitmap, sizeof dib, &dib)) << id;
    EXPECT_EQ(dib.dsBm.bmWidth, width);
    EXPECT_EQ(dib.dsBm.bmHeight, height);
    EXPECT_EQ(dib.dsBm.bmBitsPixel, 24);
    DeleteObject(bitmap);
  }
  ICONINFO hand{};
  ASSERT_TRUE(GetIconInfo(LoadCursorW(program, MAKEINTRESOURCEW(IDC_DIALOG_HAND)), &hand));
  EXPECT_EQ(hand.xHotspot, 12u);
  EXPECT_EQ(hand.yHotspot, 10u);
  EXPECT_EQ(hand.hbmColor, nullptr);  // monochrome
  DeleteObject(hand.hbmMask);
}

}  // namespace
