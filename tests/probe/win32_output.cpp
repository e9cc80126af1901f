#include <string>

#include "win32_probe.h"

namespace {
void Write(DWORD stream, std::wstring_view text) {
  const std::string bytes = Utf8(text);
  DWORD written = 0;
  WriteFile(GetStdHandle(stream), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
            nullptr);
}

std::wstring Line(std::wstring_view key, std::wstring_view value) {
  std::wstring line(key);
  line += L'=';
  for (wchar_t c : value) {
    if (c == L'\\' || c == L'\n' || c == L'\r' || c == L'\t') line += L'\\';
    line += c == L'\n' ? L'n' : c == L'\r' ? L'r' : c == L'\t' ? L't' : c;
  }
  return line + L'\n';
}
}  // namespace

std::string Utf8(std::wstring_view text) {
  const int length = static_cast<int>(text.size());
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), length, bytes.data(), size, nullptr, nullptr);
  return bytes;
}

void PrintValue(std::wstring_view key, std::wstring_view value) {
  Write(STD_OUTPUT_HANDLE, Line(key, value));
}

void PrintNumber(std::wstring_view key, std::int64_t value) {
  PrintValue(key, std::to_wstring(value));
}

void PrintRecordEnd() {
  Write(STD_OUTPUT_HANDLE, L"\n");
}

void PrintError(std::wstring_view message) {
  Write(STD_ERROR_HANDLE, Line(L"error", message));
}
