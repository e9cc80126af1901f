// The black covers of the other monitors, with made-up areas, under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "input/win32_window_procs.h"
#include "main/win32_cover_windows.h"
#include "main/win32_renderer_state.h"

namespace {
// The field's window with the saver's input stage, without a scene.
HWND CreateFieldWindow() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return SaverInputProc(window, message, wParam, lParam);
  };
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"CoverTestField";
  RegisterClassW(&windowClass);
  return CreateWindowExW(WS_EX_TOPMOST, L"CoverTestField", L"", WS_POPUP | WS_VISIBLE, 0, 0, 320,
                         240, nullptr, nullptr, windowClass.hInstance, nullptr);
}

void HandleWaitingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    // Close requests stay queued for the test to look at.
    if (message.message == WM_CLOSE) {
      PostMessageW(message.hwnd, WM_APP, 0, 0);
      continue;
    }
    DispatchMessageW(&message);
  }
}

// True when a close request for the window was posted (and takes it).
bool TakeCloseRequest(HWND window) {
  MSG message;
  return PeekMessageW(&message, window, WM_CLOSE, WM_CLOSE, PM_REMOVE) != FALSE;
}

class CoverWindows : public testing::Test {
 protected:
  void SetUp() override {
    Renderer().dismissal = DismissalState{};
    field_ = CreateFieldWindow();
    ASSERT_NE(field_, nullptr);
    covers_ = OpenCoverWindows(field_, areas_);
    ASSERT_EQ(covers_.size(), areas_.size());
    while (TakeCloseRequest(field_)) {
    }
    Renderer().dismissal = DismissalState{};
  }
  void TearDown() override {
    if (IsWindow(field_)) DestroyWindow(field_);
  }

  const std::vector<ScreenRect> areas_ = {{320, 0, 800, 200}, {-300, -200, 0, 0}};
  HWND field_ = nullptr;
  std::vector<HWND> covers_;
};
}  // namespace

TEST_F(CoverWindows, PlainBlackTopMostWindowsOverTheAreasGoWithTheField) {
  for (size_t i = 0; i < covers_.size(); ++i) {
    const HWND cover = covers_[i];
    RECT rect{};
    GetWindowRect(cover, &rect);
    EXPECT_EQ((ScreenRect{rect.left, rect.top, rect.right, rect.bottom}), areas_[i]) << i;
    EXPECT_TRUE(IsWindowVisible(cover)) << i;
    EXPECT_TRUE(GetWindowLongPtrW(cover, GWL_EXSTYLE) & WS_EX_TOPMOST) << i;
    EXPECT_EQ(GetWindow(cover, GW_OWNER), field_) << i;
    EXPECT_EQ(GetClassLongPtrW(cover, GCLP_HBRBACKGROUND),
              reinterpret_cast<LONG_PTR>(GetStockObject(BLACK_BRUSH)));
    wchar_t title[16] = L"?";
    GetWindowTextW(cover, title, 16);
    EXPECT_STREQ(title, L"") << "the shell looks for the field's title only";
  }
  EXPECT_TRUE(OpenCoverWindows(field_, {}).empty());

  DestroyWindow(field_);
  for (const HWND cover : covers_) EXPECT_FALSE(IsWindow(cover));
}

TEST_F(CoverWindows, InputOnACoverDismissesByTheFieldsRules) {
  const HWND cover = covers_[1];
  // Another program's close request: the cover stays, and nothing is armed.
  SendMessageW(cover, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(cover));
  EXPECT_FALSE(TakeCloseRequest(field_));

  const struct {
    UINT message;
    WPARAM wParam;
    bool dismisses;
  } cases[] = {
      {WM_KEYDOWN, VK_SPACE, true},   {WM_SYSKEYDOWN, VK_MENU, true},
      {WM_LBUTTONDOWN, 0, true},      {WM_RBUTTONDOWN, 0, true},
      {WM_MBUTTONDOWN, 0, true},      {WM_KEYUP, VK_SPACE, false},
      {WM_LBUTTONUP, 0, false},       {WM_MOUSEWHEEL, 0, false},
      {WM_ACTIVATEAPP, FALSE, false},  // the field's window answers that
  };
  for (const auto& c : cases) {
    Renderer().dismissal = DismissalState{};
    SendMessageW(cover, c.message, c.wParam, 0);
    EXPECT_EQ(TakeCloseRequest(field_), c.dismisses) << std::hex << c.message;
    EXPECT_EQ(Renderer().dismissal.closeArmed, c.dismisses) << std::hex << c.message;
    EXPECT_FALSE(TakeCloseRequest(cover));
  }

  // Mouse moves measure from the shared reference point.
  POINT cursor{};
  GetCursorPos(&cursor);
  Renderer().dismissal =
      DismissalState{.firstMoveSeen = true, .savedCursor = {cursor.x + 2, cursor.y + 2}};
  SendMessageW(cover, WM_MOUSEMOVE, 0, 0);
  EXPECT_FALSE(TakeCloseRequest(field_)) << "four pixels do not dismiss";
  Renderer().dismissal.savedCursor = {cursor.x + 3, cursor.y + 2};
  SendMessageW(cover, WM_MOUSEMOVE, 0, 0);
  EXPECT_TRUE(TakeCloseRequest(field_)) << "five do";
  EXPECT_EQ(SendMessageW(cover, WM_SYSCOMMAND, SC_SCREENSAVE, 0), 0);
}

TEST_F(CoverWindows, FocusMovingAmongTheSaversWindowsIsNoTakeOver) {
  SetForegroundWindow(field_);
  HandleWaitingMessages();
  for (const HWND cover : covers_) {
    SetForegroundWindow(cover);
    SetActiveWindow(cover);
    SetFocus(cover);
    HandleWaitingMessages();
  }
  SetForegroundWindow(field_);
  HandleWaitingMessages();
  EXPECT_FALSE(Renderer().dismissal.closeArmed);
  MSG message;
  EXPECT_FALSE(PeekMessageW(&message, field_, WM_APP, WM_APP, PM_REMOVE)) << "no close requested";
}
