#include "settings_values.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "cp932.h"
#include "settings_names.h"

namespace zelvane::settings {
namespace {

bool IsDigit(wchar_t c) {
  return c >= L'0' && c <= L'9';
}

bool IsBlank(wchar_t c) {
  return c == L' ' || c == L'\t';
}

// Appends the run of digits at text[pos...] to out and returns its length.
std::size_t TakeDigits(std::wstring_view text, std::size_t& pos, std::string& out) {
  const std::size_t start = pos;
  for (; pos < text.size() && IsDigit(text[pos]); ++pos) out += static_cast<char>(text[pos]);
  return pos - start;
}

// text as the ASCII spelling of a decimal number without a leading '+', or
// empty when text as a whole is not one.
std::string NumberSpelling(std::wstring_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);

  std::string number;
  std::size_t pos = 0;
  if (pos < text.size() && (text[pos] == L'+' || text[pos] == L'-')) {
    if (text[pos] == L'-') number += '-';
    ++pos;
  }
  std::size_t digits = TakeDigits(text, pos, number);
  if (pos < text.size() && text[pos] == L'.') {
    number += '.';
    ++pos;
    digits += TakeDigits(text, pos, number);
  }
  if (digits == 0) return {};
  if (pos < text.size() && (text[pos] == L'e' || text[pos] == L'E')) {
    number += 'e';
    ++pos;
    if (pos < text.size() && (text[pos] == L'+' || text[pos] == L'-')) {
      number += static_cast<char>(text[pos]);
      ++pos;
    }
    if (TakeDigits(text, pos, number) == 0) return {};
  }
  return pos == text.size() ? number : std::string();
}

bool IsHighSurrogate(wchar_t c) {
  return sizeof(wchar_t) == 2 && c >= 0xD800 && c <= 0xDBFF;
}

}  // namespace

std::optional<double> DecimalNumber(std::wstring_view text) {
  const std::string number = NumberSpelling(text);
  if (number.empty()) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error != std::errc() || end != number.data() + number.size()) return std::nullopt;
  return value;
}

std::int16_t SettingNumber(std::wstring_view text) {
  const std::optional<double> value = DecimalNumber(text);
  if (!value) return 0;
  const double whole = std::floor(*value);
  if (whole < std::numeric_limits<std::int16_t>::min() ||
      whole > std::numeric_limits<std::int16_t>::max()) {
    return 0;
  }
  return static_cast<std::int16_t>(whole);
}

std::wstring FolderOf(std::wstring_view path) {
  const std::size_t last = path.find_last_of(L":\\");
  if (last == std::wstring_view::npos) return {};
  std::wstring_view folder = path.substr(0, last + 1);
  if (folder.ends_with(L'\\')) folder.remove_suffix(1);
  return std::wstring(folder);
}

std::wstring SettingsFilePath(std::wstring_view programFolder) {
  std::wstring path(programFolder);
  if (!path.ends_with(L'\\')) path += L'\\';
  return path + kSettingsFileName;
}

std::wstring_view CutName(std::wstring_view name) {
  if (name.size() <= kMaxNameChars) return name;
  const std::size_t length =
      IsHighSurrogate(name[kMaxNameChars - 1]) ? kMaxNameChars - 1 : kMaxNameChars;
  return name.substr(0, length);
}

std::string NameBytes(std::wstring_view name) {
  return WideToCp932(CutName(name));
}

MusicSettings ResolveMusicSettings(const StoredSettings& stored,
                                   const std::function<bool(const std::wstring&)>& fileOpens,
                                   const std::wstring& programFolder) {
  MusicSettings settings;
  settings.kind = SettingNumber(stored.kind);
  settings.repeat = SettingNumber(stored.repeat);
  if (!stored.file.empty() && fileOpens(stored.file)) settings.file = stored.file;
  if (settings.file.empty() && settings.kind == kBgmMusicFile) settings.kind = kBgmNone;
  settings.folder = settings.file.empty() ? programFolder : FolderOf(settings.file);
  return settings;
}

MusicSettings StoredMusicSettings(const StoredSettings& stored, const std::wstring& programFolder) {
  return ResolveMusicSettings(
      stored, [](const std::wstring&) { return true; }, programFolder);
}

}  // namespace zelvane::settings
