#include "arguments.h"

#include <cerrno>
#include <cwchar>
#include <cwctype>

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
  if (text.empty() || std::iswspace(text[0])) return std::nullopt;
  const bool hex = text.starts_with(L"0x") || text.starts_with(L"-0x");
  wchar_t* end = nullptr;
  errno = 0;
  const unsigned long long value = std::wcstoull(text.c_str(), &end, hex ? 16 : 10);
  if (errno != 0 || end != text.c_str() + text.size()) return std::nullopt;
  return value;
}
