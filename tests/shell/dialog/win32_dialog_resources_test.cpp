// The dialog's hand cursor as the platform loads it from the program. The
// pictures show on the dialog's own screenshots.
#include <windows.h>

#include <gtest/gtest.h>

#include "dialog/dialog_resource_ids.h"

namespace {

TEST(DialogResources, HandCursorHasItsHotSpotAtTheFingerTip) {
  ICONINFO hand{};
  ASSERT_TRUE(GetIconInfo(LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_DIALOG_HAND)),
                          &hand));
  EXPECT_EQ(hand.xHotspot, 12u);
  EXPECT_EQ(hand.yHotspot, 10u);
  DeleteObject(hand.hbmMask);
}

}  // namespace
