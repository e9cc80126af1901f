// Looking windows up and describing them.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "arguments.h"

struct WindowFilter {
  std::optional<std::wstring> title;      // exact, case-sensitive
  std::optional<std::wstring> className;  // exact, case-sensitive
  HWND parent = nullptr;                  // direct children of this window; top-level if null
  bool visibleOnly = false;
};

// Reads --title, --class, --parent and --visible; false (with a message printed) when --parent is
// no number.
bool ReadWindowFilter(const Arguments& args, WindowFilter& filter);

std::vector<HWND> FindWindows(const WindowFilter& filter);

std::wstring WindowTitle(HWND window);
std::wstring WindowClass(HWND window);

// A handle as the command line gives it (decimal or 0x hexadecimal).
std::optional<HWND> ParseWindowHandle(const std::wstring& text);

// One record: handle, title, class, rectangle, client size, styles,
// visibility, top-most flag, owning process and thread, parent, owner and
// the X window that shows it under Wine.
void PrintWindowRecord(HWND window);
