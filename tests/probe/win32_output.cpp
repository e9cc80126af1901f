#include "win32_output.h"

#include <windows.h>

#include <string>

#include "escaping.h"

namespace {

void WriteUtf8(DWORD stream, std::wstring_view text) {
  if (text.empty()) return;
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                 nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                      nullptr, nullptr);
  DWORD written = 0;
  WriteFile(GetStdHandle(stream), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
            nullptr);
}

}  // namespace

void PrintValue(std::wstring_view key, std::wstring_view value) {
  std::wstring line(key);
  line += L'=';
  line += EscapeValue(value);
  line += L'\n';
  WriteUtf8(STD_OUTPUT_HANDLE, line);
}

void PrintNumber(std::wstring_view key, std::int64_t value) {
  PrintValue(key, std::to_wstring(value));
}

void PrintHex(std::wstring_view key, std::uint64_t value) {
  std::wstring digits;
  do {
    digits.insert(digits.begin(), L"0123456789ABCDEF"[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  if (digits.size() < 8) digits.insert(0, 8 - digits.size(), L'0');
  PrintValue(key, L"0x" + digits);
}

void PrintRecordEnd() {
  WriteUtf8(STD_OUTPUT_HANDLE, L"\n");
}

void PrintError(std::wstring_view message) {
  std::wstring line = L"error=";
  line += EscapeValue(message);
  line += L'\n';
  WriteUtf8(STD_ERROR_HANDLE, line);
}
