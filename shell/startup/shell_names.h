// Names by which the shell's programs, files and windows find one another.
#pragma once

namespace zelvane::startup {

// The renderer program, looked for in the shell's program folder.
inline constexpr wchar_t kRendererFileName[] = L"ゼルヴェイン.dll";

// Title of the invisible saver host window while a saver run is in progress.
inline constexpr wchar_t kSaverHostTitle[] = L"Zelvane_Main";

// Title of the settings dialog.
inline constexpr wchar_t kSettingsDialogTitle[] = L"<ゼルヴェイン>";

// The help page shipped beside the programs, opened from the settings dialog.
inline constexpr wchar_t kHelpPageFileName[] = L"ゼルヴェイン.html";

}  // namespace zelvane::startup
