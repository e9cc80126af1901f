// The black covers of the other monitors, over made-up areas, under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "input/win32_dismissal.h"
#include "main/win32_cover_windows.h"
#include "main/win32_renderer_state.h"
#include "win32_test_window.h"

namespace {
// True when a close request was posted to the window (and takes them all).
bool TakeCloseRequests(HWND window) {
  MSG message;
  bool taken = false;
  while (PeekMessageW(&message, window, WM_CLOSE, WM_CLOSE, PM_REMOVE)) taken = true;
  return taken;
}
}  // namespace

// Input on a cover dismisses by the field's rules, on the field's shared state;
// focus moving among the windows does not.
TEST(CoverWindows, TopMostOverTheAreasTakingInputForTheFieldAndGoingWithIt) {
  // The field's window with the saver's input stage, no scene.
  const HWND field = CreateSceneTestWindow(
      L"CoverTestField", 320, 240, WS_EX_TOPMOST,
      [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        const StageAnswer answer = InputStageAnswer(Renderer().dismissal, window, message, wParam);
        return answer ? *answer : DefWindowProcW(window, message, wParam, lParam);
      });
  const std::vector<ScreenRect> areas = {{320, 0, 800, 200}, {-300, -200, 0, 0}};
  const std::vector<HWND> covers = OpenCoverWindows(field, areas);
  ASSERT_EQ(covers.size(), areas.size());
  // Their places are checked with the saver's layout, their black end to end.
  for (const HWND cover : covers)
    EXPECT_TRUE(GetWindowLongPtrW(cover, GWL_EXSTYLE) & WS_EX_TOPMOST);

  const HWND cover = covers[1];
  const struct {
    UINT message;
    WPARAM wParam;
    bool dismisses;
  } cases[] = {
      {WM_CLOSE, 0, false},  // from another program: the cover stays
      {WM_KEYDOWN, VK_SPACE, true},
      {WM_LBUTTONDOWN, 0, true},
      {WM_ACTIVATEAPP, FALSE, false},  // the field's window hears of that itself
  };
  for (const auto& c : cases) {
    TakeCloseRequests(field);
    Renderer().dismissal = DismissalState{};
    SendMessageW(cover, c.message, c.wParam, 0);
    EXPECT_EQ(TakeCloseRequests(field), c.dismisses) << std::hex << c.message;
    EXPECT_EQ(Renderer().dismissal.closeArmed, c.dismisses) << std::hex << c.message;
  }
  EXPECT_TRUE(IsWindow(cover));

  POINT cursor{};
  GetCursorPos(&cursor);
  Renderer().dismissal = {.firstMoveSeen = true, .savedCursor = {cursor.x + 2, cursor.y + 2}};
  SendMessageW(cover, WM_MOUSEMOVE, 0, 0);
  EXPECT_FALSE(TakeCloseRequests(field)) << "four pixels from the shared reference";
  Renderer().dismissal.savedCursor = {cursor.x + 3, cursor.y + 2};
  SendMessageW(cover, WM_MOUSEMOVE, 0, 0);
  EXPECT_TRUE(TakeCloseRequests(field)) << "five";

  Renderer().dismissal = DismissalState{};
  for (const HWND window : {field, covers[0], cover, field}) {
    SetForegroundWindow(window);
    SetActiveWindow(window);
    SetFocus(window);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      EXPECT_NE(message.message, static_cast<UINT>(WM_CLOSE));
      DispatchMessageW(&message);
    }
  }
  EXPECT_FALSE(Renderer().dismissal.closeArmed);

  DestroyWindow(field);
  for (const HWND hidden : covers) EXPECT_FALSE(IsWindow(hidden));
}
