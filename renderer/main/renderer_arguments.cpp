// The renderer's command-line words (renderer_arguments.h).
#include "main/renderer_arguments.h"

#include <algorithm>
#include <cwctype>

namespace {
bool IsBlank(wchar_t c) {
  return c == L' ' || c == L'\t';
}

bool SameIgnoringCase(std::wstring_view word, std::wstring_view expected) {
  return std::ranges::equal(word, expected, [](wchar_t a, wchar_t b) {
    return std::towlower(static_cast<wint_t>(a)) == std::towlower(static_cast<wint_t>(b));
  });
}
}  // namespace

bool PrimaryOnlyRequested(std::wstring_view arguments) {
  size_t start = 0;
  while (start < arguments.size()) {
    if (IsBlank(arguments[start])) {
      ++start;
      continue;
    }
    size_t end = start;
    while (end < arguments.size() && !IsBlank(arguments[end])) ++end;
    if (SameIgnoringCase(arguments.substr(start, end - start), kPrimaryOnlyArgument)) return true;
    start = end;
  }
  return false;
}
