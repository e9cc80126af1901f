#include "input/password_check.h"

#include <gtest/gtest.h>

#include "fake_saver_system.h"

using Calls = std::vector<std::string>;

TEST(VerifyPassword, NtFamilyClosesWithoutAsking) {
  DismissalState state;
  FakePasswordSystem system;
  EXPECT_TRUE(VerifyPassword(state, system));
  EXPECT_TRUE(system.calls.empty());
}

TEST(VerifyPassword, MissingVerifierClosesWithoutAsking) {
  DismissalState state;
  FakePasswordSystem system;
  system.windows9x = true;
  system.verifierPresent = false;
  EXPECT_TRUE(VerifyPassword(state, system));
  EXPECT_EQ(system.calls, Calls{"load"});
}

TEST(VerifyPassword, AsksBetweenSaverRunningOnAndOff) {
  for (bool allow : {true, false}) {
    DismissalState state;
    FakePasswordSystem system;
    system.windows9x = true;
    system.allow = allow;
    system.observed = &state;
    EXPECT_EQ(VerifyPassword(state, system), allow);
    EXPECT_EQ(system.calls, (Calls{"load", "running on", "verify", "running off", "unload"}));
    EXPECT_TRUE(system.dialogFlagDuringVerify) << "frames and input pause while it asks";
    EXPECT_FALSE(state.passwordDialogActive);
  }
}
