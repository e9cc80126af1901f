// Windows paths of program images, in a form that compares equal for one file
// however the path was written: a process's image path may carry the
// "\\?\" or "\??\" prefix of the native name, forward slashes, or letters in
// another case than the installer wrote them.
#pragma once

#include <string>
#include <string_view>

namespace zelvane {

// The path without a native prefix ("\\?\UNC\server" becomes "\\server"), with
// backslashes only and the ASCII letters in upper case. Short (8.3) names are
// not expanded here: that needs the file system.
std::wstring ComparableImagePath(std::wstring_view path);

bool SameImagePath(std::wstring_view a, std::wstring_view b);

}  // namespace zelvane
