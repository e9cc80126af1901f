#include "input/dismissal.h"

#include <gtest/gtest.h>

#include <string>

#include "fake_password_system.h"
#include "input/password_check.h"

namespace msg = saver_message;

namespace {
struct FakeWindow final : SaverWindowActions {
  ScreenPoint cursor{100, 100};
  int closeRequests = 0;
  int hides = 0;
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
  // Default handling of a close request destroys the window.
  bool CloseAccepted() { return !Send(msg::kClose).has_value(); }
  void MoveTo(int x, int y) {
    window.cursor = {x, y};
    Send(msg::kMouseMove);
  }

  DismissalState state;
  FakeWindow window;
  FakePassword password;
};
}  // namespace

TEST_F(Dismissal, CloseRequestsAreIgnoredUntilInputArmsThem) {
  EXPECT_FALSE(CloseAccepted());
  MoveTo(300, 300);  // the first move comes from showing the window
  EXPECT_EQ(window.closeRequests, 1);
  EXPECT_FALSE(CloseAccepted());
  // A large move keeps the reference where it was at creation, so the next
  // move closes even though it is a small one.
  EXPECT_EQ(state.savedCursor.x, 100);
  EXPECT_EQ(state.savedCursor.y, 100);
  MoveTo(301, 300);
  EXPECT_EQ(window.closeRequests, 2);
  EXPECT_TRUE(CloseAccepted());
}

TEST_F(Dismissal, SmallMovesCarryTheReferenceLargerOnesClose) {
  MoveTo(100, 100);
  MoveTo(103, 101);  // distance 4
  EXPECT_EQ(window.closeRequests, 0);
  EXPECT_EQ(state.savedCursor.x, 103);
  EXPECT_EQ(state.savedCursor.y, 101);
  MoveTo(100, 102);  // (-3, 1), back the other way
  EXPECT_EQ(window.closeRequests, 0);
  MoveTo(97, 104);  // (-3, 2) from the new reference
  EXPECT_EQ(window.closeRequests, 1);
  EXPECT_TRUE(CloseAccepted());
}

TEST_F(Dismissal, TheCursorStaysHidden) {
  EXPECT_EQ(window.hides, 1) << "hidden at creation";
  EXPECT_EQ(Send(msg::kSetCursor), StageAnswer{1});
  EXPECT_EQ(window.hides, 2);
  EXPECT_FALSE(Send(msg::kShowWindow, 1).has_value());
  EXPECT_EQ(window.hides, 3);
  Send(msg::kShowWindow, 0);  // being hidden
  EXPECT_EQ(window.hides, 3);
  EXPECT_FALSE(state.closeArmed);
  EXPECT_EQ(window.closeRequests, 0);
}

TEST_F(Dismissal, PressesAndFocusLossCloseButReleasesClicksAndWheelDoNot) {
  for (uint32_t message : {0x0101u, 0x0105u, 0x0202u, 0x0203u, 0x0205u, 0x0206u, 0x0208u, 0x0209u,
                           0x020Au}) {  // releases, double clicks, wheel
    Send(message);
  }
  Send(msg::kActivateApp, 1);  // this application activated
  EXPECT_FALSE(state.closeArmed);
  EXPECT_EQ(window.closeRequests, 0);

  for (uint32_t message : {msg::kKeyDown, msg::kSysKeyDown, msg::kLeftButtonDown,
                           msg::kRightButtonDown, msg::kMiddleButtonDown, msg::kActivateApp}) {
    state = {};
    window.closeRequests = 0;
    Send(message, 0);
    EXPECT_TRUE(state.closeArmed) << message;
    EXPECT_EQ(window.closeRequests, 1) << message;
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
  password.windows9x = true;
  password.allow = false;
  Send(msg::kKeyDown);
  window.cursor = {500, 20};
  EXPECT_FALSE(CloseAccepted());
  EXPECT_EQ(password.calls, "flrVsu");
  EXPECT_FALSE(state.passwordDialogActive);
  EXPECT_EQ(state.savedCursor.x, 500) << "reference reset to where the cursor is now";
  EXPECT_EQ(state.savedCursor.y, 20);

  password.allow = true;
  Send(msg::kKeyDown);
  EXPECT_TRUE(CloseAccepted());
}

TEST_F(Dismissal, WhileThePasswordDialogRunsNothingIsInterpreted) {
  Send(msg::kKeyDown);
  state.closeArmed = false;
  state.passwordDialogActive = true;
  Send(msg::kKeyDown);
  EXPECT_FALSE(Send(msg::kSetCursor).has_value()) << "default handling only";
  EXPECT_FALSE(state.closeArmed);
  // A second close request must not open a second dialog.
  state.closeArmed = true;
  EXPECT_FALSE(CloseAccepted());
  EXPECT_EQ(password.calls, "");
}
