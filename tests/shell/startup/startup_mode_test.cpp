#include "startup_mode.h"

#include <gtest/gtest.h>

namespace zelvane {
namespace {

TEST(StartupMode, ComesFromTheSecondCharacterUpperCased) {
  const struct {
    const wchar_t* arguments;
    StartupMode mode;
  } cases[] = {
      {L"/s", StartupMode::kRunCursorHidden},
      {L"-S", StartupMode::kRunCursorHidden},
      {L"xs", StartupMode::kRunCursorHidden},
      {L"", StartupMode::kRunCursorVisible},
      {L"/c", StartupMode::kConfigure},
      {L"/c:1234", StartupMode::kConfigure},
      {L"/P:1234", StartupMode::kPreview},
      {L"/a", StartupMode::kEnd},
      {L"s", StartupMode::kEnd},
      {L"  ", StartupMode::kEnd},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StartupModeFor(c.arguments), c.mode) << c.arguments;
    EXPECT_EQ(NeedsSettingsAndRenderer(c.mode), c.mode != StartupMode::kPreview);
  }
}

TEST(PreviewParentHandle, ReadsTheNumberFromTheFourthCharacterOn) {
  EXPECT_EQ(PreviewParentHandle(L"/p 1234"), 1234);
  EXPECT_EQ(PreviewParentHandle(L"/p:1234"), 1234);
  EXPECT_EQ(PreviewParentHandle(L"/p1234"), 234);
  EXPECT_EQ(PreviewParentHandle(L"/p \t 56"), 56);
  // Reading stops where the number cannot go on.
  EXPECT_EQ(PreviewParentHandle(L"/p 42x7"), 42);
  EXPECT_EQ(PreviewParentHandle(L"/p 42 7"), 42);
  EXPECT_EQ(PreviewParentHandle(L"/p 12e+"), 12);
  EXPECT_EQ(PreviewParentHandle(L"/p 1e3"), 1000);
  EXPECT_EQ(PreviewParentHandle(L"/p -9"), -9);
  EXPECT_EQ(PreviewParentHandle(L"/p .5e1"), 5);
  // Rounding goes to the nearest integer, halves to the even one.
  EXPECT_EQ(PreviewParentHandle(L"/p 12.5"), 12);
  EXPECT_EQ(PreviewParentHandle(L"/p 13.5"), 14);
  EXPECT_EQ(PreviewParentHandle(L"/p -2147483648"), -2147483647 - 1);
}

TEST(PreviewParentHandle, IsZeroWithoutAUsableNumber) {
  for (const wchar_t* arguments : {L"/p", L"/p ", L"/p abc", L"/p -", L"/p .", L"/p - 5",
                                   L"/p 2147483648", L"/p 1e400", L"/p 99999999999999999999"}) {
    EXPECT_EQ(PreviewParentHandle(arguments), 0) << arguments;
  }
}

}  // namespace
}  // namespace zelvane
