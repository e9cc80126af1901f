// What the program knows about itself and its screen.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "twips.h"

namespace zelvane::rt {

inline constexpr std::wstring_view kApplicationTitle = L"ゼルヴェイン (ScreenSaver)";

// The command-line arguments without the program's own path; empty when there
// are none.
std::wstring CommandArguments();

// The folder that holds the program, without a trailing backslash except at a
// drive root.
std::wstring ProgramFolder();

// The primary screen's size in twips.
int ScreenWidthTwips();
int ScreenHeightTwips();

// The pointer shown over every window of the program, whatever its controls ask.
enum class MousePointer : std::int16_t { kDefault = 0, kHourglass = 11 };

void SetScreenMousePointer(MousePointer pointer);
MousePointer ScreenMousePointer();

}  // namespace zelvane::rt
