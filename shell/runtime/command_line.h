// Reading the program's own command line.
#pragma once

#include <string>
#include <string_view>

namespace zelvane::rt {

// The argument text of a full command line: the first token (the program, quoted
// or not) and the blanks after it are dropped; the rest is returned as it stands.
std::wstring ArgumentText(std::wstring_view commandLine);

// The folder part of a program path, without a trailing backslash except at a
// drive root ("C:\\"). A path without any folder gives an empty text.
std::wstring FolderOfPath(std::wstring_view programPath);

}  // namespace zelvane::rt
