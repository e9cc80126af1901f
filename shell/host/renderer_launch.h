// Where the renderer program is and how it is started.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zelvane::host {

// The renderer file in the shell's program folder (which ends in '\' only at a
// drive root).
std::wstring RendererPathIn(std::wstring_view programFolder);

// The renderer's whole command line: its path in quotation marks, so that
// blanks in the folder name can't split it, and the renderer's word for the
// field on the primary monitor only where the kind of monitor use (a value of
// the settings file) asks for it; no other arguments.
std::wstring RendererCommandLine(std::wstring_view rendererPath, std::int16_t monitorKind);

}  // namespace zelvane::host
