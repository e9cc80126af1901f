#include "input/dismissal.h"

#include <gtest/gtest.h>

#include "fake_saver_system.h"

namespace msg = saver_message;

namespace {
class Dismissal : public ::testing::Test {
 protected:
  void SetUp() override {
    window.cursor = {100, 100};
    OnSaverWindowCreated(state, window);
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
  FakeSaverWindow window;
  FakePasswordSystem password;
};
}  // namespace

TEST_F(Dismissal, CreationTakesTheCursorReferenceAndHidesIt) {
  EXPECT_EQ(state.savedCursor.x, 100);
  EXPECT_EQ(state.savedCursor.y, 100);
  EXPECT_EQ(window.cursorHides, 1);
}

TEST_F(Dismissal, CloseRequestBeforeAnyInputIsIgnored) {
  EXPECT_EQ(Send(msg::kClose), StageAnswer{0});
  EXPECT_FALSE(state.closeArmed);
  Send(msg::kKeyDown);
  EXPECT_TRUE(CloseAccepted());
}

TEST_F(Dismissal, FirstMouseMoveNeverArms) {
  MoveTo(300, 300);
  EXPECT_TRUE(state.firstMoveSeen);
  EXPECT_FALSE(state.closeArmed);
  EXPECT_EQ(window.closeRequests, 1);
  EXPECT_EQ(Send(msg::kClose), StageAnswer{0}) << "the close it posted is ignored";
}

TEST_F(Dismissal, SmallMovesCarryTheReferenceLargerOnesClose) {
  MoveTo(100, 100);  // the move the system sends on showing the window
  MoveTo(103, 101);  // distance 4: not more than the threshold
  EXPECT_TRUE(state.closeArmed);
  EXPECT_EQ(window.closeRequests, 0);
  EXPECT_EQ(state.savedCursor.x, 103);
  EXPECT_EQ(state.savedCursor.y, 101);

  MoveTo(106, 103);  // (3, 2) from the new reference
  EXPECT_EQ(window.closeRequests, 1);
  EXPECT_EQ(state.savedCursor.x, 103) << "reference kept when closing";
  EXPECT_TRUE(CloseAccepted());
}

TEST_F(Dismissal, SlowDriftNeverCloses) {
  for (int step = 0; step <= 50; ++step) MoveTo(100 + 2 * step, 100 - 2 * step);
  EXPECT_EQ(window.closeRequests, 0);
}

TEST_F(Dismissal, KeyAndButtonPressesArmAndRequestTheClose) {
  for (uint32_t press : {msg::kKeyDown, msg::kSysKeyDown, msg::kLeftButtonDown,
                         msg::kRightButtonDown, msg::kMiddleButtonDown}) {
    DismissalState fresh;
    state = fresh;
    window.closeRequests = 0;
    EXPECT_FALSE(Send(press).has_value());
    EXPECT_TRUE(state.closeArmed) << press;
    EXPECT_EQ(window.closeRequests, 1) << press;
  }
}

TEST_F(Dismissal, ReleasesDoubleClicksAndTheWheelNeverClose) {
  constexpr uint32_t kKeyUp = 0x0101, kSysKeyUp = 0x0105, kLeftUp = 0x0202, kLeftDouble = 0x0203,
                     kRightUp = 0x0205, kRightDouble = 0x0206, kMiddleUp = 0x0208,
                     kMiddleDouble = 0x0209, kWheel = 0x020A, kPaint = 0x000F;
  for (uint32_t message : {kKeyUp, kSysKeyUp, kLeftUp, kLeftDouble, kRightUp, kRightDouble,
                           kMiddleUp, kMiddleDouble, kWheel, kPaint}) {
    EXPECT_FALSE(Send(message).has_value()) << message;
  }
  EXPECT_FALSE(state.closeArmed);
  EXPECT_EQ(window.closeRequests, 0);
}

TEST_F(Dismissal, AnotherApplicationsActivationCloses) {
  Send(msg::kActivateApp, 1);  // this application activated
  EXPECT_EQ(window.closeRequests, 0);
  Send(msg::kActivateApp, 0);
  EXPECT_TRUE(state.closeArmed);
  EXPECT_EQ(window.closeRequests, 1);
  EXPECT_TRUE(CloseAccepted());
}

TEST_F(Dismissal, CursorStaysHidden) {
  EXPECT_EQ(Send(msg::kSetCursor), StageAnswer{1});
  Send(msg::kShowWindow, 1);
  Send(msg::kShowWindow, 0);
  EXPECT_EQ(window.cursorHides, 3);
}

TEST(ClassStage, SwallowsTaskSwitchingAndScreenSaveCommands) {
  for (uintptr_t command :
       {msg::kCommandNextWindow, msg::kCommandPrevWindow, msg::kCommandScreenSave}) {
    EXPECT_EQ(ClassStageAnswer(msg::kSysCommand, command), StageAnswer{0}) << command;
  }
  constexpr uintptr_t kClose = 0xF060, kMinimize = 0xF020;
  EXPECT_FALSE(ClassStageAnswer(msg::kSysCommand, kClose).has_value());
  EXPECT_FALSE(ClassStageAnswer(msg::kSysCommand, kMinimize).has_value());
  EXPECT_FALSE(ClassStageAnswer(msg::kKeyDown, msg::kCommandNextWindow).has_value());
}

TEST_F(Dismissal, RefusedPasswordKeepsTheWindowAndAsksAgainOnNextInput) {
  password.windows9x = true;
  password.allow = false;
  MoveTo(100, 100);
  Send(msg::kKeyDown);
  window.cursor = {500, 20};
  EXPECT_FALSE(CloseAccepted());
  EXPECT_EQ(state.savedCursor.x, 500) << "reference reset to where the cursor is now";
  EXPECT_EQ(state.savedCursor.y, 20);
  EXPECT_TRUE(state.closeArmed);
  EXPECT_TRUE(state.firstMoveSeen);

  // Moving from there by a little does not ask again; a key press does.
  MoveTo(502, 21);
  EXPECT_EQ(window.closeRequests, 1);
  password.allow = true;
  Send(msg::kKeyDown);
  EXPECT_TRUE(CloseAccepted());
  int verifies = 0;
  for (const auto& call : password.calls) verifies += call == "verify";
  EXPECT_EQ(verifies, 2);
}

TEST_F(Dismissal, WhileThePasswordDialogRunsInputIsLeftAlone) {
  state.passwordDialogActive = true;
  EXPECT_FALSE(Send(msg::kKeyDown).has_value());
  EXPECT_FALSE(Send(msg::kSetCursor).has_value()) << "default handling only";
  MoveTo(900, 900);
  EXPECT_FALSE(state.closeArmed);
  EXPECT_EQ(window.closeRequests, 0);
}

TEST_F(Dismissal, CloseRequestDuringThePasswordDialogDoesNotAskTwice) {
  password.windows9x = true;
  Send(msg::kKeyDown);
  state.passwordDialogActive = true;  // as inside the verifier's modal loop
  EXPECT_EQ(Send(msg::kClose), StageAnswer{0});
  EXPECT_TRUE(password.calls.empty());
}
