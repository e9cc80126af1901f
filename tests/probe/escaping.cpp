#include "escaping.h"

std::wstring EscapeValue(std::wstring_view value) {
  std::wstring out;
  out.reserve(value.size());
  for (wchar_t c : value) {
    switch (c) {
      case L'\\':
        out += L"\\\\";
        break;
      case L'\n':
        out += L"\\n";
        break;
      case L'\r':
        out += L"\\r";
        break;
      case L'\t':
        out += L"\\t";
        break;
      default:
        out += c;
    }
  }
  return out;
}
