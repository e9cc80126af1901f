// What the shell does when it starts, decided from its argument text (the
// command line without the program's own path).
#pragma once

#include <cstdint>
#include <string_view>

namespace zelvane::startup {

// The mode letter: the second character of the upper-cased argument text.
// The first character is never looked at, so /s, -s and xs all give 'S'.
inline constexpr wchar_t kNoModeLetter = L'\0';
wchar_t ModeLetter(std::wstring_view arguments);

enum class StartupMode {
  kPreview,          // 'P': attach the preview to the window named by the arguments
  kConfigure,        // 'C', or no arguments at all (how the platform's Configure
                     // command starts a saver): show the settings dialog, then end
  kRunCursorHidden,  // 'S': run the saver with the mouse cursor hidden
  kEnd,              // anything else: end without a word
};

StartupMode StartupModeFor(std::wstring_view arguments);

// The mouse cursor as a saver run sees it.
class CursorDisplay {
 public:
  virtual ~CursorDisplay() = default;
  virtual void Hide() = 0;
  virtual void Show() = 0;
};

// A run with the cursor hidden hides it once as it starts and shows it once
// as it ends; every other mode leaves the cursor alone.
void CursorAtRunStart(StartupMode mode, CursorDisplay& cursor);
void CursorAtRunEnd(StartupMode mode, CursorDisplay& cursor);

// Every mode but the preview reads the settings and refuses to go on without
// the renderer file, even the modes that then end silently.
inline bool NeedsSettingsAndRenderer(StartupMode mode) {
  return mode != StartupMode::kPreview;
}

// The preview's parent window handle: the number the argument text holds from
// its fourth character on (the third, a blank in "/p 1234" or a colon in
// "/p:1234", is skipped unread), rounded to an integer. Handles carry 32 bits
// and are written signed or unsigned: 4294967295 and -1 give the same handle.
// Text without a number, or a number outside both readings, gives 0, which
// names no window.
std::int32_t PreviewParentHandle(std::wstring_view arguments);

}  // namespace zelvane::startup
