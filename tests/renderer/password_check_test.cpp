#include "input/password_check.h"

#include <gtest/gtest.h>

#include "fake_password_system.h"
#include "input/dismissal.h"

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
