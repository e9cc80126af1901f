#include "command_line.h"

#include <algorithm>

namespace zelvane::rt {
namespace {

bool IsBlank(wchar_t c) {
  return c == L' ' || c == L'\t';
}

// File names compare without regard to case; folding ASCII letters covers the
// paths the platform hands over in either form.
wchar_t FoldAscii(wchar_t c) {
  return c >= L'a' && c <= L'z' ? c - L'a' + L'A' : c;
}

bool StartsWithPath(std::wstring_view text, std::wstring_view path) {
  if (text.size() < path.size()) return false;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (FoldAscii(text[i]) != FoldAscii(path[i])) return false;
  }
  return true;
}

// Where the program's own path ends when the line (from its first non-blank)
// starts with one of its forms unquoted, followed by a blank or nothing; 0 when
// it starts with none. The longest match wins. (A quoted path ends at its
// closing quote like any quoted first token.)
std::size_t UnquotedProgramEnd(std::wstring_view line, std::span<const std::wstring> paths) {
  std::size_t end = 0;
  for (const std::wstring& path : paths) {
    if (StartsWithPath(line, path) && (line.size() == path.size() || IsBlank(line[path.size()]))) {
      end = std::max(end, path.size());
    }
  }
  return end;
}

// Where the first token ends: a quoted one at its closing quote (blanks inside
// belong to it), any other at the first blank.
std::size_t FirstTokenEnd(std::wstring_view line) {
  if (!line.empty() && line[0] == L'"') {
    const std::size_t close = line.find(L'"', 1);
    return close == std::wstring_view::npos ? line.size() : close + 1;
  }
  std::size_t i = 0;
  while (i < line.size() && !IsBlank(line[i])) ++i;
  return i;
}

}  // namespace

std::wstring ArgumentText(std::wstring_view commandLine,
                          std::span<const std::wstring> programPaths) {
  std::size_t start = 0;
  while (start < commandLine.size() && IsBlank(commandLine[start])) ++start;
  const std::wstring_view line = commandLine.substr(start);
  std::size_t i = UnquotedProgramEnd(line, programPaths);
  if (i == 0) i = FirstTokenEnd(line);
  while (i < line.size() && IsBlank(line[i])) ++i;
  return std::wstring(line.substr(i));
}

std::wstring FolderOfPath(std::wstring_view programPath) {
  const std::size_t slash = programPath.find_last_of(L"\\/");
  if (slash == std::wstring_view::npos) return {};
  // "C:\x.scr" keeps its root backslash: "C:" alone would mean the drive's
  // current folder.
  if (slash == 2 && programPath[1] == L':') return std::wstring(programPath.substr(0, 3));
  return std::wstring(programPath.substr(0, slash));
}

}  // namespace zelvane::rt
