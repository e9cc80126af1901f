// The zoom animation's rectangles. The test takes the place of the system's
// DrawAnimatedRects by defining the import the zoom code calls through.
#include "win32_zoom.h"

#include <gtest/gtest.h>

#include <vector>

#include "startup_state.h"

namespace {
struct Animation {
  int kind;
  RECT from, to;
};
std::vector<Animation> animations;

BOOL WINAPI RecordAnimation(HWND, int kind, const RECT* from, const RECT* to) {
  animations.push_back({kind, *from, *to});
  return TRUE;
}

}  // namespace

extern "C" {
decltype(&RecordAnimation) __imp_DrawAnimatedRects = &RecordAnimation;
}

TEST(Zoom, OpensFromTheZoomPointToTheWindowAndClosesBackToIt) {
  const HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 10, 20, 110, 60, nullptr,
                                      nullptr, GetModuleHandleW(nullptr), nullptr);
  zelvane::startup::ZoomX = 300;
  zelvane::startup::ZoomY = -4;
  zelvane::startup::ZoomOpen(window);
  zelvane::startup::ZoomClose(window);
  DestroyWindow(window);
  zelvane::startup::ZoomOpen(window);  // no window, no animation

  const RECT point{300, -4, 300, -4}, rect{10, 20, 120, 80};
  ASSERT_EQ(animations.size(), 2u);
  EXPECT_EQ(animations[0].kind, IDANI_CAPTION);
  EXPECT_TRUE(EqualRect(&animations[0].from, &point) && EqualRect(&animations[0].to, &rect));
  EXPECT_EQ(animations[1].kind, IDANI_CAPTION);
  EXPECT_TRUE(EqualRect(&animations[1].from, &rect) && EqualRect(&animations[1].to, &point));
}
