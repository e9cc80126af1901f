// The zoom routines only draw: the window keeps its place, size and visibility.
#include "win32_zoom.h"

#include <gtest/gtest.h>

#include "zelvane_b_startup.h"

namespace {

HWND MakeWindow(bool visible) {
  return CreateWindowExW(0, L"STATIC", L"zoom", WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0),
                         120, 80, 300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

TEST(Zoom, LeavesTheWindowAsItWas) {
  Zelvane_B::ZoomX = 400;
  Zelvane_B::ZoomY = 300;
  for (bool visible : {false, true}) {
    HWND window = MakeWindow(visible);
    ASSERT_NE(window, nullptr);
    RECT before = {};
    GetWindowRect(window, &before);

    Zelvane_B::ZoomOpen(window);
    Zelvane_B::ZoomClose(window);

    RECT after = {};
    GetWindowRect(window, &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_EQ(IsWindowVisible(window) != FALSE, visible);
    DestroyWindow(window);
  }
}

}  // namespace
