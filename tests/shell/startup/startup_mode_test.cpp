#include "startup_mode.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace zelvane::startup {
namespace {

struct RecordedCursor final : CursorDisplay {
  std::wstring calls;
  void Hide() override { calls += L"hide "; }
  void Show() override { calls += L"show "; }
};

TEST(StartupMode, ModeAndCursorComeFromTheSecondCharacterUpperCased) {
  using enum StartupMode;
  const struct {
    const wchar_t* arguments;
    StartupMode mode;
    const wchar_t* cursor;
  } cases[] = {
      // clang-format off
      {L"/s", kRunCursorHidden, L"hide | show "}, {L"-S", kRunCursorHidden, L"hide | show "},
      {L"xs", kRunCursorHidden, L"hide | show "}, {L"", kConfigure, L"| "},
      {L"/c", kConfigure, L"| "}, {L"/c:1234", kConfigure, L"| "},
      {L"/P:1234", kPreview, L"| "}, {L"/a", kEnd, L"| "},
      {L"s", kEnd, L"| "}, {L"  ", kEnd, L"| "},
      // clang-format on
  };
  for (const auto& c : cases) {
    const StartupMode mode = StartupModeFor(c.arguments);
    EXPECT_EQ(mode, c.mode) << c.arguments;
    EXPECT_EQ(NeedsSettingsAndRenderer(mode), c.mode != kPreview);
    RecordedCursor cursor;
    CursorAtRunStart(mode, cursor);
    cursor.calls += L"| ";
    CursorAtRunEnd(mode, cursor);
    EXPECT_EQ(cursor.calls, c.cursor) << c.arguments;
  }
}

TEST(PreviewParentHandle, ReadsTheNumberFromTheFourthCharacterOn) {
  const struct {
    const wchar_t* arguments;
    int handle;
  } cases[] = {
      // clang-format off
      {L"/p 1234", 1234}, {L"/p:1234", 1234}, {L"/p1234", 234}, {L"/p \t 56", 56},
      {L"/p 42x7", 42}, {L"/p 12e+", 12}, {L"/p 1e3", 1000}, {L"/p -9", -9},
      {L"/p .5e1", 5}, {L"/p 12.5", 12}, {L"/p 13.5", 14}, {L"/p -3.5", -4},
      {L"/p", 0}, {L"/p abc", 0}, {L"/p -", 0}, {L"/p .", 0},
      {L"/p - 5", 0}, {L"/p nan", 0}, {L"/p 1e400", 0}, {L"/p 0", 0},
      {L"/p 2147483647.4", INT32_MAX}, {L"/p -2147483648", INT32_MIN}, {L"/p -2147483649", 0},
      // Handles from 2^31 on, written unsigned, are the same 32 bits read signed.
      {L"/p 2147483647.5", INT32_MIN}, {L"/p 2147483648", INT32_MIN}, {L"/p 4294967295", -1},
      {L"/p 4294967295.5", 0}, {L"/p 4294967296", 0},
      // clang-format on
  };
  for (const auto& c : cases) EXPECT_EQ(PreviewParentHandle(c.arguments), c.handle) << c.arguments;
}

}  // namespace
}  // namespace zelvane::startup
