// Reading the program's own command line.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace zelvane::rt {

// The argument text of a full command line: the program that starts it and the
// blanks after it are dropped; the rest is returned as it stands. The program
// is one of programPaths (the forms its path may take, long or short), quoted
// or not and in any case of letters, so that an unquoted path with blanks in it
// is taken whole. A line that starts with none of them loses its first token,
// quoted or up to the first blank.
std::wstring ArgumentText(std::wstring_view commandLine,
                          std::span<const std::wstring> programPaths = {});

// The folder part of a program path, without a trailing backslash except at a
// drive root ("C:\\"). A path without any folder gives an empty text.
std::wstring FolderOfPath(std::wstring_view programPath);

}  // namespace zelvane::rt
