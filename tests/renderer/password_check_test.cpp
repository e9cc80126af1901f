#include "input/password_check.h"

#include <gtest/gtest.h>

#include <tuple>

#include "fake_password_system.h"

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
