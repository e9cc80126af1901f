// Commands that look windows up, wait for them and post them messages.
#include <windows.h>

#include <algorithm>
#include <string>

#include "message_names.h"
#include "probe_commands.h"
#include "win32_output.h"
#include "win32_window_query.h"

namespace {

constexpr DWORD kDefaultWaitMs = 10000;
constexpr DWORD kDefaultSendTimeoutMs = 5000;
constexpr DWORD kPollIntervalMs = 50;

std::optional<DWORD> ReadMilliseconds(const Arguments& args, const wchar_t* name, DWORD fallback) {
  auto text = args.Option(name);
  if (!text) return fallback;
  auto number = ParseNumber(*text);
  if (!number || *number > 0x7FFFFFFF) return std::nullopt;
  return static_cast<DWORD>(*number);
}

int PrintAll(const std::vector<HWND>& windows) {
  for (HWND window : windows) PrintWindowRecord(window);
  return windows.empty() ? kNotDone : kDone;
}

struct MessageArguments {
  HWND window;
  UINT message;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

// HWND MESSAGE [WPARAM [LPARAM]] from the positional arguments.
std::optional<MessageArguments> ReadMessageArguments(const Arguments& args) {
  const auto& p = args.positional;
  if (p.size() < 2 || p.size() > 4) {
    PrintError(L"expected: HWND MESSAGE [WPARAM [LPARAM]]");
    return std::nullopt;
  }
  auto window = ParseWindowHandle(p[0]);
  auto message = MessageNumber(p[1]);
  auto wParam = p.size() > 2 ? ParseNumber(p[2]) : std::optional<std::uint64_t>(0);
  auto lParam = p.size() > 3 ? ParseNumber(p[3]) : std::optional<std::uint64_t>(0);
  if (!window || !message || !wParam || !lParam) {
    PrintError(L"unreadable window handle, message or parameter");
    return std::nullopt;
  }
  return MessageArguments{*window, *message, static_cast<WPARAM>(*wParam),
                          static_cast<LPARAM>(*lParam)};
}

}  // namespace

int FindCommand(const Arguments& args) {
  WindowFilter filter;
  if (!ReadWindowFilter(args, filter)) return kBadArguments;
  if (!filter.title && !filter.className) {
    PrintError(L"find needs --title and/or --class");
    return kBadArguments;
  }
  return PrintAll(FindWindows(filter));
}

int ListCommand(const Arguments& args) {
  WindowFilter filter;
  if (!ReadWindowFilter(args, filter)) return kBadArguments;
  PrintAll(FindWindows(filter));
  return kDone;
}

int WaitCommand(const Arguments& args) {
  WindowFilter filter;
  if (!ReadWindowFilter(args, filter)) return kBadArguments;
  auto timeout = ReadMilliseconds(args, L"timeout", kDefaultWaitMs);
  if (!timeout || (!filter.title && !filter.className)) {
    PrintError(L"wait needs --title and/or --class, and a number for --timeout");
    return kBadArguments;
  }
  const bool untilGone = args.Has(L"gone");
  const ULONGLONG deadline = GetTickCount64() + *timeout;
  for (;;) {
    auto windows = FindWindows(filter);
    if (untilGone && windows.empty()) {
      PrintNumber(L"gone", 1);
      return kDone;
    }
    if (!untilGone && !windows.empty()) return PrintAll(windows);
    if (GetTickCount64() >= deadline) {
      PrintError(untilGone ? L"the window is still there" : L"no such window appeared");
      return kNotDone;
    }
    Sleep(kPollIntervalMs);
  }
}

int ForegroundCommand(const Arguments&) {
  HWND window = GetForegroundWindow();
  if (!window) return kNotDone;
  PrintWindowRecord(window);
  return kDone;
}

int PostCommand(const Arguments& args) {
  auto m = ReadMessageArguments(args);
  if (!m) return kBadArguments;
  if (!PostMessageW(m->window, m->message, m->wParam, m->lParam)) {
    PrintError(L"PostMessageW failed");
    PrintNumber(L"last_error", GetLastError());
    return kNotDone;
  }
  PrintNumber(L"posted", 1);
  return kDone;
}

int TextCommand(const Arguments& args) {
  const auto& p = args.positional;
  auto window = p.size() == 1 ? ParseWindowHandle(p[0]) : std::nullopt;
  if (!window) {
    PrintError(L"expected: text HWND");
    return kBadArguments;
  }
  // The window's own answer to WM_GETTEXT: for another program's edit field or
  // combo box, GetWindowTextW gives only the title it was created with.
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(*window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kDefaultSendTimeoutMs,
                           &length)) {
    return kNotDone;
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(*window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, kDefaultSendTimeoutMs, &copied)) {
    return kNotDone;
  }
  text.resize(std::min<std::size_t>(copied, length));
  PrintValue(L"text", text);
  return kDone;
}
