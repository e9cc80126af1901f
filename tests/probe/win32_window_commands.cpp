// Commands that look windows up, wait for them and post them messages.
#include <algorithm>

#include "win32_probe.h"

namespace {
constexpr DWORD kSendTimeoutMs = 5000;

int PrintAll(const std::vector<HWND>& windows) {
  for (HWND window : windows) PrintWindowRecord(window);
  return windows.empty() ? kNotDone : kDone;
}

// The filter of a find or wait, which must name a title or a class.
std::optional<WindowFilter> ReadNamedFilter(const Arguments& args) {
  WindowFilter filter;
  if (!ReadWindowFilter(args, filter)) return std::nullopt;
  if (filter.title || filter.className) return filter;
  PrintError(L"--title and/or --class needed");
  return std::nullopt;
}
}  // namespace

int FindCommand(const Arguments& args) {
  const auto filter = ReadNamedFilter(args);
  return filter ? PrintAll(FindWindows(*filter)) : kBadArguments;
}

int ListCommand(const Arguments& args) {
  WindowFilter filter;
  if (!ReadWindowFilter(args, filter)) return kBadArguments;
  PrintAll(FindWindows(filter));
  return kDone;
}

int WaitCommand(const Arguments& args) {
  const auto filter = ReadNamedFilter(args);
  const auto timeout = ReadTimeout(args);
  if (!filter || !timeout) return kBadArguments;
  const bool gone = args.Has(L"gone");
  const std::vector<HWND> windows = WaitForWindows(*filter, gone, *timeout);
  if (gone) return windows.empty() ? kDone : kNotDone;
  return PrintAll(windows);
}

int ForegroundCommand(const Arguments&) {
  HWND window = GetForegroundWindow();
  return PrintAll(window ? std::vector<HWND>{window} : std::vector<HWND>{});
}

// HWND: makes another program's window the foreground window, as Wine lets
// any program do (an X focus change does not reach every window there).
int ActivateCommand(const Arguments& args) {
  const auto window =
      args.positional.size() == 1 ? ParseWindowHandle(args.positional[0]) : std::nullopt;
  if (!window) {
    PrintError(L"expected: activate HWND");
    return kBadArguments;
  }
  return SetForegroundWindow(*window) ? kDone : kNotDone;
}

// HWND MESSAGE [WPARAM [LPARAM]]; MESSAGE is a number or WM_CLOSE.
int PostCommand(const Arguments& args) {
  std::vector<std::wstring> p = args.positional;
  std::optional<std::uint64_t> message, wParam, lParam;
  std::optional<HWND> window;
  if (p.size() >= 2 && p.size() <= 4) {
    if (p[1] == L"WM_CLOSE") p[1] = std::to_wstring(WM_CLOSE);
    p.resize(4, L"0");
    window = ParseWindowHandle(p[0]);
    message = ParseNumber(p[1]), wParam = ParseNumber(p[2]), lParam = ParseNumber(p[3]);
  }
  if (!window || !message || !wParam || !lParam) {
    PrintError(L"expected: post HWND MESSAGE [WPARAM [LPARAM]]");
    return kBadArguments;
  }
  return PostMessageW(*window, static_cast<UINT>(*message), static_cast<WPARAM>(*wParam),
                      static_cast<LPARAM>(*lParam))
             ? kDone
             : kNotDone;
}

int TextCommand(const Arguments& args) {
  const auto& p = args.positional;
  const auto window = p.size() == 1 ? ParseWindowHandle(p[0]) : std::nullopt;
  if (!window) {
    PrintError(L"expected: text HWND");
    return kBadArguments;
  }
  // The window's own answer to WM_GETTEXT: for another program's edit field or
  // combo box, GetWindowTextW gives only the title it was created with.
  DWORD_PTR length = 0, copied = 0;
  if (!SendMessageTimeoutW(*window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                           &length)) {
    return kNotDone;
  }
  std::wstring text(length + 1, L'\0');
  if (!SendMessageTimeoutW(*window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied)) {
    return kNotDone;
  }
  text.resize(std::min<std::size_t>(copied, length));
  PrintValue(L"text", text);
  return kDone;
}
