#include "image_path.h"

#include <algorithm>
#include <utility>

namespace zelvane {

std::wstring ComparableImagePath(std::wstring_view path) {
  std::wstring result(path);
  std::replace(result.begin(), result.end(), L'/', L'\\');
  for (wchar_t& c : result) {
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
  }
  // The longer prefix first: "\\?\UNC\" is also a "\\?\" path.
  constexpr std::pair<std::wstring_view, std::wstring_view> kPrefixes[] = {
      {L"\\\\?\\UNC\\", L"\\\\"},
      {L"\\\\?\\", L""},
      {L"\\??\\", L""},
  };
  for (const auto& [prefix, replacement] : kPrefixes) {
    if (std::wstring_view(result).starts_with(prefix)) {
      return std::wstring(replacement) + result.substr(prefix.size());
    }
  }
  return result;
}

bool SameImagePath(std::wstring_view a, std::wstring_view b) {
  return ComparableImagePath(a) == ComparableImagePath(b);
}

}  // namespace zelvane
