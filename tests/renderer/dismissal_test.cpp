#include "input/dismissal.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "input/password_check.h"

namespace msg = saver_message;

namespace {
// A password system that logs its calls: f(amily) l(oad) r(unning on) v(erify;
// V while the saver's dialog flag is up) s(topped running) u(nload).
struct FakePassword final : ScreenSaverPasswordSystem {
  bool windows9x = false, verifierPresent = true, allow = true;
  std::string calls;
  const DismissalState* saver = nullptr;
  bool IsWindows9xFamily() override { return calls += 'f', windows9x; }
  bool LoadVerifier() override { return calls += 'l', verifierPresent; }
  bool RunVerifier() override { return calls += saver->passwordDialogActive ? 'V' : 'v', allow; }
  void UnloadVerifier() override { calls += 'u'; }
  void SetScreenSaverRunning(bool running) override { calls += running ? 'r' : 's'; }
};

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

TEST(PasswordCheck, OnlyWindows9xWithTheVerifierIsAskedInOrder) {
  for (const auto& [windows9x, present, allow, result, calls] :
       {std::tuple{false, true, false, true, "f"},
        {true, false, false, true, "fl"},
        {true, true, true, true, "flrVsu"},
        {true, true, false, false, "flrVsu"}}) {
    DismissalState state;
    FakePassword password;
    password.windows9x = windows9x, password.verifierPresent = present;
    password.allow = allow, password.saver = &state;
    EXPECT_EQ(VerifyPassword(state, password), result) << calls;
    EXPECT_EQ(password.calls, calls);
    EXPECT_FALSE(state.passwordDialogActive);
  }
}
