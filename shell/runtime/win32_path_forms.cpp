#include "win32_path_forms.h"

#include <windows.h>

namespace zelvane::rt {
namespace {

// The path in the form that `convert` (GetLongPathNameW or GetShortPathNameW)
// gives, asked first for the size it needs.
std::wstring PathForm(const std::wstring& path, DWORD(WINAPI* convert)(LPCWSTR, LPWSTR, DWORD)) {
  const DWORD needed = convert(path.c_str(), nullptr, 0);
  if (needed == 0) return {};
  std::wstring form(needed, L'\0');
  const DWORD length = convert(path.c_str(), form.data(), needed);
  if (length == 0 || length >= needed) return {};
  form.resize(length);
  return form;
}

}  // namespace

std::wstring LongPathOf(const std::wstring& path) {
  return PathForm(path, &GetLongPathNameW);
}

std::wstring ShortPathOf(const std::wstring& path) {
  return PathForm(path, &GetShortPathNameW);
}

}  // namespace zelvane::rt
