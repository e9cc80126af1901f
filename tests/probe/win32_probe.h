// The probe's parts: its output, its window look-ups and its commands.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "arguments.h"

// Exit statuses: 0 when the window was found or the action done, 1 when not,
// 2 for unusable arguments.
constexpr int kDone = 0;
constexpr int kNotDone = 1;
constexpr int kBadArguments = 2;

// Output: UTF-8 lines of key=value on standard output, written at once
// (unbuffered) so a reader sees each line while the probe still runs. Records
// of several values are separated by an empty line. Backslash, line feed,
// carriage return and tab in values are written as \\, \n, \r and \t.
std::string Utf8(std::wstring_view text);
void PrintValue(std::wstring_view key, std::wstring_view value);
void PrintNumber(std::wstring_view key, std::int64_t value);
void PrintRecordEnd();
// One line "error=message" on standard error.
void PrintError(std::wstring_view message);

struct WindowFilter {
  std::optional<std::wstring> title;      // exact, case-sensitive
  std::optional<std::wstring> className;  // exact, case-sensitive
  HWND parent = nullptr;                  // direct children of this window; top-level if null
  bool visibleOnly = false;
  std::optional<std::uint64_t> processId;
};

// Reads --title, --class, --parent, --visible and --pid; false (with a message
// printed) when a number is unreadable.
bool ReadWindowFilter(const Arguments& args, WindowFilter& filter);
std::vector<HWND> FindWindows(const WindowFilter& filter);
// --timeout in milliseconds, 10 s when absent; nothing when unreadable.
std::optional<DWORD> ReadTimeout(const Arguments& args);
// Polls until a matching window exists (or, with `gone`, none does) or the
// time runs out; gives the windows last found.
std::vector<HWND> WaitForWindows(const WindowFilter& filter, bool gone, DWORD timeoutMs);

std::wstring WindowTitle(HWND window);
std::wstring WindowClass(HWND window);
// A handle as the command line gives it (decimal or 0x hexadecimal).
std::optional<HWND> ParseWindowHandle(const std::wstring& text);
// One record: handle, title, class, rectangle, client size, styles,
// visibility, top-most flag, owning process and thread, parent, owner and
// the X window that shows it under Wine.
void PrintWindowRecord(HWND window);

int FindCommand(const Arguments& args);
int ListCommand(const Arguments& args);
int WaitCommand(const Arguments& args);
int ForegroundCommand(const Arguments& args);
int ActivateCommand(const Arguments& args);
int PostCommand(const Arguments& args);
int TextCommand(const Arguments& args);
int TestWindowCommand(const Arguments& args);
int DestroyCommand(const Arguments& args);
int ReadMessageBoxCommand(const Arguments& args);
int PressButtonCommand(const Arguments& args);
int ProfileWriteCommand(const Arguments& args);
int RecordCommand(const Arguments& args);
int HoldCommand(const Arguments& args);
int ShortcutCommand(const Arguments& args);
