#include "input/dismissal.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "fake_password_system.h"

namespace msg = saver_message;

namespace {
struct FakeWindow final : SaverWindowActions {
  ScreenPoint cursor{100, 100};
  int closeRequests = 0, hides = 0;
  ScreenPoint CursorPosition() override { return cursor; }
  void HideCursor() override { ++hides; }
  void PostCloseRequest() override { ++closeRequests; }
};

class Dismissal : public ::testing::Test {
 protected:
  void SetUp() override {
    OnSaverWindowCreated(state, window);
    password.saver = &state;
  }
  StageAnswer Send(uint32_t message, uintptr_t wParam = 0) {
    return InputStageAnswer(state, message, wParam, window, password);
  }
  // Default handling destroys the window.
  bool CloseAccepted() { return !Send(msg::kClose).has_value(); }
  void MoveTo(int x, int y) {
    window.cursor = {x, y};
    Send(msg::kMouseMove);
  }
  std::pair<int, int> Reference() const { return {state.savedCursor.x, state.savedCursor.y}; }

  DismissalState state;
  FakeWindow window;
  FakePassword password;
};
}  // namespace

TEST_F(Dismissal, OnlyMovesAfterTheFirstArmTheCloseAndSmallOnesCarryTheReference) {
  EXPECT_FALSE(CloseAccepted());
  MoveTo(300, 300);  // the first move comes from showing the window
  EXPECT_FALSE(CloseAccepted());
  EXPECT_EQ(Reference(), std::pair(100, 100)) << "a large move leaves it";
  MoveTo(301, 300);
  EXPECT_EQ(window.closeRequests, 2);
  EXPECT_TRUE(CloseAccepted());

  state = {}, window = {};
  OnSaverWindowCreated(state, window);
  MoveTo(103, 101);  // distance 4
  MoveTo(100, 102);  // (-3, 1), back the other way
  EXPECT_EQ(window.closeRequests, 0);
  MoveTo(97, 104);  // (-3, 2) from the new reference
  EXPECT_EQ(window.closeRequests, 1);
}

TEST_F(Dismissal, PressesAndFocusLossCloseTheCursorStaysHiddenOtherInputIsIgnored) {
  EXPECT_EQ(window.hides, 1) << "hidden at creation";
  // Message, wParam, closes, cursor hidings, answer. Activation with 0: another
  // application took over.
  using Case = std::tuple<uint32_t, uintptr_t, bool, int, StageAnswer>;
  for (const auto& [message, wParam, closes, hides, answer] :
       {Case{msg::kKeyDown, 0, true, 0, {}}, Case{msg::kSysKeyDown, 0, true, 0, {}},
        Case{msg::kLeftButtonDown, 0, true, 0, {}}, Case{msg::kRightButtonDown, 0, true, 0, {}},
        Case{msg::kMiddleButtonDown, 0, true, 0, {}}, Case{msg::kActivateApp, 0, true, 0, {}},
        Case{msg::kActivateApp, 1, false, 0, {}}, Case{msg::kSetCursor, 0, false, 1, 1},
        Case{msg::kShowWindow, 1, false, 1, {}}, Case{msg::kShowWindow, 0, false, 0, {}}}) {
    state = {}, window = {};
    EXPECT_EQ(Send(message, wParam), answer) << message;
    EXPECT_EQ(window.closeRequests, closes ? 1 : 0) << message;
    EXPECT_EQ(window.hides, hides) << message;
  }
}

TEST(ClassStage, SwallowsTaskSwitchingAndScreenSaveCommands) {
  for (uintptr_t command :
       {msg::kCommandNextWindow, msg::kCommandPrevWindow, msg::kCommandScreenSave}) {
    EXPECT_EQ(ClassStageAnswer(msg::kSysCommand, command), StageAnswer{0}) << command;
  }
  EXPECT_FALSE(ClassStageAnswer(msg::kSysCommand, 0xF060).has_value());         // close command
  EXPECT_FALSE(ClassStageAnswer(0x0111, msg::kCommandNextWindow).has_value());  // a menu command
}

TEST_F(Dismissal, RefusedPasswordKeepsTheWindowAndAsksAgainOnNextInput) {
  password.windows9x = true, password.allow = false;
  Send(msg::kKeyDown);
  window.cursor = {500, 20};
  EXPECT_FALSE(CloseAccepted());
  EXPECT_EQ(Reference(), std::pair(500, 20)) << "reset to where the cursor is now";
  password.allow = true;
  Send(msg::kKeyDown);
  EXPECT_TRUE(CloseAccepted());
}

TEST_F(Dismissal, WhileThePasswordDialogRunsNothingIsInterpreted) {
  state.passwordDialogActive = true;
  EXPECT_FALSE(Send(msg::kSetCursor).has_value()) << "default handling only";
  // A second close request must not open a second dialog.
  state.closeArmed = true;
  EXPECT_FALSE(CloseAccepted());
  EXPECT_EQ(password.calls, "");
}
