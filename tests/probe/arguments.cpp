#include "arguments.h"

std::optional<std::wstring> Arguments::Option(const std::wstring& name) const {
  auto it = options.find(name);
  if (it == options.end()) return std::nullopt;
  return it->second;
}

Arguments ParseArguments(const std::vector<std::wstring>& args,
                         const std::set<std::wstring>& flags) {
  Arguments result;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::wstring& arg = args[i];
    if (arg.size() > 2 && arg.starts_with(L"--")) {
      std::wstring name = arg.substr(2);
      if (flags.contains(name)) {
        result.options[name] = L"";
      } else if (i + 1 < args.size()) {
        result.options[name] = args[++i];
      } else {
        result.error = L"option --" + name + L" needs a value";
        return result;
      }
    } else if (result.command.empty()) {
      result.command = arg;
    } else {
      result.positional.push_back(arg);
    }
  }
  return result;
}

std::optional<std::uint64_t> ParseNumber(const std::wstring& text) {
  std::size_t pos = 0;
  bool negative = false;
  if (pos < text.size() && text[pos] == L'-') {
    negative = true;
    ++pos;
  }
  unsigned base = 10;
  if (text.size() - pos > 2 && text[pos] == L'0' &&
      (text[pos + 1] == L'x' || text[pos + 1] == L'X')) {
    base = 16;
    pos += 2;
  }
  if (pos >= text.size()) return std::nullopt;
  std::uint64_t value = 0;
  for (; pos < text.size(); ++pos) {
    wchar_t c = text[pos];
    unsigned digit;
    if (c >= L'0' && c <= L'9') {
      digit = c - L'0';
    } else if (base == 16 && c >= L'a' && c <= L'f') {
      digit = c - L'a' + 10;
    } else if (base == 16 && c >= L'A' && c <= L'F') {
      digit = c - L'A' + 10;
    } else {
      return std::nullopt;
    }
    if (digit >= base) return std::nullopt;
    value = value * base + digit;
  }
  return negative ? ~value + 1 : value;
}
