// The long and the short (8.3) form of an existing path.
#pragma once

#include <string>

namespace zelvane::rt {

// Each is empty where the platform can't give it: a path that does not exist,
// or a short form on a volume that keeps none.
std::wstring LongPathOf(const std::wstring& path);
std::wstring ShortPathOf(const std::wstring& path);

}  // namespace zelvane::rt
