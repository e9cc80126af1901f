// The text of a profile (INI) file, held as code page 932 bytes: section
// header lines "[name]" and key lines "key=value", read and changed the way
// Windows' own profile functions do on a Japanese system, so that the key
// bytes stay the same whatever system writes the file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zelvane::settings {

// The value of key in section, or nothing when the file has no such key.
// Section and key names match without regard to the case of ASCII letters;
// names and values lose the blanks around them and a value one pair of
// surrounding quotes ('' or ""). Only the first copy of a section that occurs
// more than once is looked at, and in it the first matching key.
std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key);

// text with key set to value: the line of the key that FindProfileValue
// reads is replaced; a new key goes after the last key of the first copy of
// its section, a new section at the end of the file. Every other line keeps
// its content; lines end in CR LF. A value stops at its first line break.
// Nothing (no change possible) for names that a file cannot hold: an empty
// name, a section with ']', a key with '=' or starting with '[', a line break
// in either.
std::optional<std::string> SetProfileValue(std::string_view text, std::string_view section,
                                           std::string_view key, std::string_view value);

}  // namespace zelvane::settings
