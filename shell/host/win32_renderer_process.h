// Starting the renderer program.
#pragma once

#include <string>

namespace zelvane::host {

// Starts the renderer at path, shown normally, without waiting for it; false
// when it could not be started.
bool StartRendererProcess(const std::wstring& path);

}  // namespace zelvane::host
