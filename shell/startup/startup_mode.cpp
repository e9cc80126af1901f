#include "startup_mode.h"

#include "leading_number.h"

namespace zelvane::startup {
namespace {

// Mode letters are ASCII; other characters never name a mode, so folding
// ASCII letters is all the upper-casing that matters here.
wchar_t UpperAscii(wchar_t c) {
  return c >= L'a' && c <= L'z' ? c - L'a' + L'A' : c;
}

}  // namespace

wchar_t ModeLetter(std::wstring_view arguments) {
  return arguments.size() < 2 ? kNoModeLetter : UpperAscii(arguments[1]);
}

StartupMode StartupModeFor(std::wstring_view arguments) {
  if (arguments.empty()) return StartupMode::kConfigure;
  switch (ModeLetter(arguments)) {
    case L'P':
      return StartupMode::kPreview;
    case L'C':
      return StartupMode::kConfigure;
    case L'S':
      return StartupMode::kRunCursorHidden;
    default:
      return StartupMode::kEnd;
  }
}

void CursorAtRunStart(StartupMode mode, CursorDisplay& cursor) {
  if (mode == StartupMode::kRunCursorHidden) cursor.Hide();
}

void CursorAtRunEnd(StartupMode mode, CursorDisplay& cursor) {
  if (mode == StartupMode::kRunCursorHidden) cursor.Show();
}

std::int32_t PreviewParentHandle(std::wstring_view arguments) {
  constexpr std::size_t kHandleStart = 3;
  if (arguments.size() <= kHandleStart) return 0;
  const std::optional<double> number = LeadingNumber(arguments.substr(kHandleStart));
  if (!number) return 0;
  return RoundTo32Bits(*number).value_or(0);
}

}  // namespace zelvane::startup
