// Text for the platform's "A" functions: the system's ANSI code page (932 on a
// Japanese system) on the way out and in.
#pragma once

#include <string>
#include <string_view>

namespace zelvane::rt {

std::string ToAnsi(std::wstring_view text);
std::wstring FromAnsi(std::string_view text);

}  // namespace zelvane::rt
