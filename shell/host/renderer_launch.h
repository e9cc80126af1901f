// Where the renderer program is and how it is started.
#pragma once

#include <string>
#include <string_view>

namespace zelvane::host {

// The renderer file in the shell's program folder (which ends in '\' only at a
// drive root).
std::wstring RendererPathIn(std::wstring_view programFolder);

// The renderer's whole command line: its path in quotation marks, so that
// blanks in the folder name can't split it, and no arguments.
std::wstring RendererCommandLine(std::wstring_view rendererPath);

}  // namespace zelvane::host
