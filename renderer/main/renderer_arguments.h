// What the renderer reads from its command line. Platform-neutral; read by
// win32_main.cpp.
#pragma once

#include <string_view>

// The word that asks for the field on the primary monitor only, the others
// black, matched in any letter case.
inline constexpr std::wstring_view kPrimaryOnlyArgument = L"/primary";

// True when one blank-separated word of the arguments is kPrimaryOnlyArgument.
// Every other word is ignored.
bool PrimaryOnlyRequested(std::wstring_view arguments);
