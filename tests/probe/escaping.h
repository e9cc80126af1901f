// Values are printed one per line as key=value; these characters would break
// the line structure, so they are written as backslash escapes.
#pragma once

#include <string>
#include <string_view>

// Backslash, line feed, carriage return and tab become \\, \n, \r and \t.
std::wstring EscapeValue(std::wstring_view value);
