// The black covers of the other monitors, over made-up areas, under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "input/win32_dismissal.h"
#include "main/win32_cover_windows.h"
#include "main/win32_renderer_state.h"

namespace {
// True when a close request was posted to the window (and takes them all).
bool TakeCloseRequests(HWND window) {
  MSG message;
  bool taken = false;
  while (PeekMessageW(&message, window, WM_CLOSE, WM_CLOSE, PM_REMOVE)) taken = true;
  return taken;
}

class CoverWindows : public testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSW windowClass{};  // the field's window with the saver's input stage, no scene
    windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
      const StageAnswer answer = InputStageAnswer(Renderer().dismissal, window, message, wParam);
      return answer ? *answer : DefWindowProcW(window, message, wParam, lParam);
    };
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"CoverTestField";
    RegisterClassW(&windowClass);
    field_ = CreateWindowExW(WS_EX_TOPMOST, L"CoverTestField", L"", WS_POPUP | WS_VISIBLE, 0, 0,
                             320, 240, nullptr, nullptr, windowClass.hInstance, nullptr);
    covers_ = OpenCoverWindows(field_, areas_);
    ASSERT_EQ(covers_.size(), areas_.size());
    TakeCloseRequests(field_);
    Renderer().dismissal = DismissalState{};
  }
  void TearDown() override { DestroyWindow(field_); }

  const std::vector<ScreenRect> areas_ = {{320, 0, 800, 200}, {-300, -200, 0, 0}};
  HWND field_ = nullptr;
  std::vector<HWND> covers_;
};
}  // namespace

TEST_F(CoverWindows, BlackTopMostWindowsOverTheAreasThatGoWithTheField) {
  for (size_t i = 0; i < covers_.size(); ++i) {
    RECT rect{};
    GetWindowRect(covers_[i], &rect);
    EXPECT_EQ((ScreenRect{rect.left, rect.top, rect.right, rect.bottom}), areas_[i]) << i;
    EXPECT_TRUE(IsWindowVisible(covers_[i]));
    EXPECT_TRUE(GetWindowLongPtrW(covers_[i], GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetClassLongPtrW(covers_[i], GCLP_HBRBACKGROUND),
              reinterpret_cast<LONG_PTR>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(GetWindowTextLengthW(covers_[i]), 0) << "only the field has the saver's title";
  }
  DestroyWindow(field_);
  for (const HWND cover : covers_) EXPECT_FALSE(IsWindow(cover));
}

TEST_F(CoverWindows, InputOnACoverDismissesByTheFieldsRulesAndFocusAmongThemDoesNot) {
  const HWND cover = covers_[1];
  const struct {
    UINT message;
    WPARAM wParam;
    bool dismisses;
  } cases[] = {
      {WM_CLOSE, 0, false},  // from another program: the cover stays
      {WM_KEYDOWN, VK_SPACE, true},   {WM_SYSKEYDOWN, VK_MENU, true}, {WM_LBUTTONDOWN, 0, true},
      {WM_RBUTTONDOWN, 0, true},      {WM_MBUTTONDOWN, 0, true},      {WM_KEYUP, VK_SPACE, false},
      {WM_ACTIVATEAPP, FALSE, false},  // the field's window hears of that itself
  };
  for (const auto& c : cases) {
    Renderer().dismissal = DismissalState{};
    SendMessageW(cover, c.message, c.wParam, 0);
    EXPECT_EQ(TakeCloseRequests(field_), c.dismisses) << std::hex << c.message;
    EXPECT_EQ(Renderer().dismissal.closeArmed, c.dismisses) << std::hex << c.message;
  }
  EXPECT_TRUE(IsWindow(cover));

  POINT cursor{};
  GetCursorPos(&cursor);
  Renderer().dismissal = {.firstMoveSeen = true, .savedCursor = {cursor.x + 2, cursor.y + 2}};
  SendMessageW(cover, WM_MOUSEMOVE, 0, 0);
  EXPECT_FALSE(TakeCloseRequests(field_)) << "four pixels from the shared reference";
  Renderer().dismissal.savedCursor = {cursor.x + 3, cursor.y + 2};
  SendMessageW(cover, WM_MOUSEMOVE, 0, 0);
  EXPECT_TRUE(TakeCloseRequests(field_)) << "five";

  Renderer().dismissal = DismissalState{};
  for (const HWND window : {field_, covers_[0], cover, field_}) {
    SetForegroundWindow(window);
    SetActiveWindow(window);
    SetFocus(window);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, WM_CLOSE - 1, PM_REMOVE)) DispatchMessageW(&message);
    while (PeekMessageW(&message, nullptr, WM_CLOSE + 1, WM_USER, PM_REMOVE))
      DispatchMessageW(&message);
  }
  EXPECT_FALSE(Renderer().dismissal.closeArmed);
  EXPECT_FALSE(TakeCloseRequests(field_));
}
