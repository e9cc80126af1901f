#include "command_line.h"

namespace zelvane::rt {
namespace {

bool IsBlank(wchar_t c) {
  return c == L' ' || c == L'\t';
}

}  // namespace

std::wstring ArgumentText(std::wstring_view commandLine) {
  std::size_t i = 0;
  while (i < commandLine.size() && IsBlank(commandLine[i])) ++i;
  if (i < commandLine.size() && commandLine[i] == L'"') {
    // A quoted program path ends at the closing quote; blanks inside belong to it.
    const std::size_t close = commandLine.find(L'"', i + 1);
    i = close == std::wstring_view::npos ? commandLine.size() : close + 1;
  } else {
    while (i < commandLine.size() && !IsBlank(commandLine[i])) ++i;
  }
  while (i < commandLine.size() && IsBlank(commandLine[i])) ++i;
  return std::wstring(commandLine.substr(i));
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
