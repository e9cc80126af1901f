// The renderer window's class and titles. Platform-neutral; the window is made
// in win32_saver_window.cpp.
#pragma once

// How other programs see the renderer's window. The saver shell finds the
// running renderer by kRunningTitle and takes its disappearance as the end.
inline constexpr wchar_t kSaverClassName[] = L"WindowsScreenSaverClass";
inline constexpr wchar_t kCreationTitle[] = L"Screensaver";
inline constexpr wchar_t kRunningTitle[] = L"Zelvane_VC";
