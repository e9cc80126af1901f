// Conversion between the program's wide text and code page 932 (Shift-JIS),
// the encoding in which the settings file stores its text on every system.
#pragma once

#include <string>
#include <string_view>

namespace zelvane::settings {

// text in code page 932. A character that code page 932 cannot hold becomes
// '?' (no look-alike substitutes).
std::string WideToCp932(std::wstring_view text);

// bytes in code page 932 as wide text. A byte sequence that is no character
// of code page 932 becomes a replacement character.
std::wstring Cp932ToWide(std::string_view bytes);

}  // namespace zelvane::settings
