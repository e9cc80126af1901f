// Code page 932 through Windows' own converter, present on every Windows
// system whatever its ANSI code page.
#include "cp932.h"

#include <windows.h>

namespace zelvane::settings {
namespace {

constexpr UINT kCodePage932 = 932;

}  // namespace

std::string WideToCp932(std::wstring_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int size = WideCharToMultiByte(kCodePage932, WC_NO_BEST_FIT_CHARS, text.data(), length,
                                       nullptr, 0, "?", nullptr);
  if (size <= 0) return {};
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(kCodePage932, WC_NO_BEST_FIT_CHARS, text.data(), length, bytes.data(), size,
                      "?", nullptr);
  return bytes;
}

std::wstring Cp932ToWide(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int length = static_cast<int>(bytes.size());
  const int size = MultiByteToWideChar(kCodePage932, 0, bytes.data(), length, nullptr, 0);
  if (size <= 0) return {};
  std::wstring text(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(kCodePage932, 0, bytes.data(), length, text.data(), size);
  return text;
}

}  // namespace zelvane::settings
