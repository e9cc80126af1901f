// Command-line arguments of the probe: a command word, positional arguments and
// options written "--name value" or, for flags, "--name".
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

struct Arguments {
  std::wstring command;
  std::vector<std::wstring> positional;
  std::map<std::wstring, std::wstring> options;  // flags map to an empty value
  std::wstring error;                            // set when the arguments cannot be read

  bool Has(const std::wstring& name) const { return options.contains(name); }
  std::optional<std::wstring> Option(const std::wstring& name) const;
};

// `flags` names the options that take no value; every other option takes one.
Arguments ParseArguments(const std::vector<std::wstring>& args,
                         const std::set<std::wstring>& flags);

// A whole number in decimal, or hexadecimal with a 0x prefix; a leading minus
// sign gives the two's complement. Nothing else may follow the digits.
std::optional<std::uint64_t> ParseNumber(const std::wstring& text);
