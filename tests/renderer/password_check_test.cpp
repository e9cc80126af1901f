#include "input/password_check.h"

#include <gtest/gtest.h>

#include <string>

#include "input/dismissal.h"

namespace {
// Logs its calls, one letter each: f(amily) l(oad) r(unning on) v(erify; V
// when the saver's dialog flag is up meanwhile) s(topped running) u(nload).
struct FakePassword final : ScreenSaverPasswordSystem {
  bool windows9x = true, verifierPresent = true, allow = true;
  std::string calls;
  const DismissalState* saver = nullptr;
  bool IsWindows9xFamily() override { return calls += 'f', windows9x; }
  bool LoadVerifier() override { return calls += 'l', verifierPresent; }
  bool RunVerifier() override { return calls += saver->passwordDialogActive ? 'V' : 'v', allow; }
  void UnloadVerifier() override { calls += 'u'; }
  void SetScreenSaverRunning(bool running) override { calls += running ? 'r' : 's'; }
};
}  // namespace

TEST(PasswordCheck, OnlyWindows9xWithTheVerifierIsAskedInOrder) {
  struct Case {
    bool windows9x, present, allow;
    bool result;
    const char* calls;
  };
  for (const Case& c :
       {Case{false, true, false, true, "f"}, Case{true, false, false, true, "fl"},
        Case{true, true, true, true, "flrVsu"}, Case{true, true, false, false, "flrVsu"}}) {
    DismissalState state;
    FakePassword password;
    password.windows9x = c.windows9x, password.verifierPresent = c.present;
    password.allow = c.allow, password.saver = &state;
    EXPECT_EQ(VerifyPassword(state, password), c.result) << c.calls;
    EXPECT_EQ(password.calls, c.calls);
    EXPECT_FALSE(state.passwordDialogActive);
  }
}
