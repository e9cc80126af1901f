// The text of a window: a form's caption, an edit field's content.
#pragma once

#include <windows.h>

#include <string>

namespace zelvane::rt {

std::wstring WindowText(HWND window);

}  // namespace zelvane::rt
