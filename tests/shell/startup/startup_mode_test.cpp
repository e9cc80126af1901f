#include "startup_mode.h"

#include <gtest/gtest.h>

#include <string>

namespace zelvane {
namespace {

TEST(ModeLetter, IsTheSecondCharacterUpperCased) {
  EXPECT_EQ(ModeLetter(L"/s"), L'S');
  EXPECT_EQ(ModeLetter(L"-S"), L'S');
  EXPECT_EQ(ModeLetter(L"xs"), L'S');
  EXPECT_EQ(ModeLetter(L"/p 1234"), L'P');
  EXPECT_EQ(ModeLetter(L"/ゼ"), L'ゼ');
}

TEST(ModeLetter, NeedsTwoCharacters) {
  EXPECT_EQ(ModeLetter(L""), kNoModeLetter);
  EXPECT_EQ(ModeLetter(L"s"), kNoModeLetter);
  EXPECT_EQ(ModeLetter(L"S"), kNoModeLetter);
}

TEST(StartupModeFor, PicksTheModeOfEachCommandLine) {
  const struct {
    const wchar_t* arguments;
    StartupMode mode;
  } cases[] = {
      {L"/s", StartupMode::kRunCursorHidden},
      {L"/S", StartupMode::kRunCursorHidden},
      {L"-s", StartupMode::kRunCursorHidden},
      {L"", StartupMode::kRunCursorVisible},
      {L"/c", StartupMode::kConfigure},
      {L"/C", StartupMode::kConfigure},
      {L"/c:1234", StartupMode::kConfigure},
      {L"/p 1234", StartupMode::kPreview},
      {L"/P:1234", StartupMode::kPreview},
      {L"/a", StartupMode::kEnd},
      {L"s", StartupMode::kEnd},
      {L" ", StartupMode::kEnd},
      {L"  ", StartupMode::kEnd},
      {L"/ｓ", StartupMode::kEnd},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StartupModeFor(c.arguments), c.mode) << c.arguments;
  }
}

TEST(StartupModeFor, OnlyThePreviewSkipsSettingsAndRendererCheck) {
  EXPECT_FALSE(NeedsSettingsAndRenderer(StartupModeFor(L"/p 1")));
  for (const wchar_t* arguments : {L"/s", L"", L"/c", L"/a", L"s"}) {
    EXPECT_TRUE(NeedsSettingsAndRenderer(StartupModeFor(arguments))) << arguments;
  }
}

TEST(PreviewParentHandle, ReadsFromTheFourthCharacterOn) {
  EXPECT_EQ(PreviewParentHandle(L"/p 1234"), 1234);
  EXPECT_EQ(PreviewParentHandle(L"/p:1234"), 1234);
  EXPECT_EQ(PreviewParentHandle(L"/p1234"), 234);
  EXPECT_EQ(PreviewParentHandle(L"/p    56"), 56);
  EXPECT_EQ(PreviewParentHandle(L"/p \t78"), 78);
}

TEST(PreviewParentHandle, StopsAtTheFirstCharacterThatCannotContinueTheNumber) {
  EXPECT_EQ(PreviewParentHandle(L"/p 42x7"), 42);
  EXPECT_EQ(PreviewParentHandle(L"/p 42 7"), 42);
  EXPECT_EQ(PreviewParentHandle(L"/p 1e3"), 1000);
  EXPECT_EQ(PreviewParentHandle(L"/p 12e"), 12);
  EXPECT_EQ(PreviewParentHandle(L"/p 12e+"), 12);
  EXPECT_EQ(PreviewParentHandle(L"/p 12.5.7"), 12);
  EXPECT_EQ(PreviewParentHandle(L"/p +9"), 9);
  EXPECT_EQ(PreviewParentHandle(L"/p -9"), -9);
  EXPECT_EQ(PreviewParentHandle(L"/p .5e1"), 5);
}

TEST(PreviewParentHandle, RoundsHalvesToEven) {
  EXPECT_EQ(PreviewParentHandle(L"/p 12.4"), 12);
  EXPECT_EQ(PreviewParentHandle(L"/p 12.5"), 12);
  EXPECT_EQ(PreviewParentHandle(L"/p 13.5"), 14);
  EXPECT_EQ(PreviewParentHandle(L"/p -2.5"), -2);
}

TEST(PreviewParentHandle, GivesZeroWhenThereIsNoUsableNumber) {
  for (const wchar_t* arguments :
       {L"/p", L"/p ", L"/p abc", L"/p -", L"/p .", L"/p e5", L"/p - 5", L"/p 2147483648",
        L"/p -2147483649", L"/p 1e400", L"/p 99999999999999999999999"}) {
    EXPECT_EQ(PreviewParentHandle(arguments), 0) << arguments;
  }
  EXPECT_EQ(PreviewParentHandle(L"/p 2147483647"), 2147483647);
  EXPECT_EQ(PreviewParentHandle(L"/p -2147483648"), -2147483647 - 1);
}

}  // namespace
}  // namespace zelvane
