// Looking windows up, waiting for them and describing them.
#include <cstdint>
#include <cwchar>
#include <iterator>

#include "win32_probe.h"

namespace {
constexpr DWORD kDefaultWaitMs = 10000;
constexpr DWORD kPollIntervalMs = 50;

struct Search {
  const WindowFilter* filter;
  std::vector<HWND> found;
};

bool Matches(HWND window, const WindowFilter& filter) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return (!filter.parent || GetAncestor(window, GA_PARENT) == filter.parent) &&
         (!filter.visibleOnly || IsWindowVisible(window)) &&
         (!filter.processId || *filter.processId == processId) &&
         (!filter.className || WindowClass(window) == *filter.className) &&
         (!filter.title || WindowTitle(window) == *filter.title);
}

BOOL CALLBACK CollectMatching(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  if (Matches(window, *search->filter)) search->found.push_back(window);
  return TRUE;
}

std::int64_t HandleNumber(HWND window) {
  return static_cast<std::int64_t>(reinterpret_cast<std::uintptr_t>(window));
}

void PrintHex(std::wstring_view key, LONG value) {
  wchar_t text[16];
  std::swprintf(text, std::size(text), L"0x%08lX", static_cast<unsigned long>(value));
  PrintValue(key, text);
}
}  // namespace

bool ReadWindowFilter(const Arguments& args, WindowFilter& filter) {
  filter.title = args.Option(L"title");
  filter.className = args.Option(L"class");
  filter.visibleOnly = args.Has(L"visible");
  const auto parent = args.Option(L"parent"), pid = args.Option(L"pid");
  const auto handle = parent ? ParseWindowHandle(*parent) : std::nullopt;
  if (pid) filter.processId = ParseNumber(*pid);
  if ((parent && !handle) || (pid && !filter.processId)) {
    PrintError(L"--parent and --pid take numbers");
    return false;
  }
  filter.parent = handle.value_or(nullptr);
  return true;
}

std::vector<HWND> FindWindows(const WindowFilter& filter) {
  Search search{&filter, {}};
  if (filter.parent) {
    EnumChildWindows(filter.parent, CollectMatching, reinterpret_cast<LPARAM>(&search));
  } else {
    EnumWindows(CollectMatching, reinterpret_cast<LPARAM>(&search));
  }
  return search.found;
}

std::optional<DWORD> ReadTimeout(const Arguments& args) {
  const auto text = args.Option(L"timeout");
  if (!text) return kDefaultWaitMs;
  const auto number = ParseNumber(*text);
  if (!number || *number > 0x7FFFFFFF) return std::nullopt;
  return static_cast<DWORD>(*number);
}

std::vector<HWND> WaitForWindows(const WindowFilter& filter, bool gone, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    std::vector<HWND> windows = FindWindows(filter);
    if (windows.empty() == gone || GetTickCount64() >= deadline) return windows;
    Sleep(kPollIntervalMs);
  }
}

std::wstring WindowTitle(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring title(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, title.data(), length + 1);
  title.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return title;
}

std::wstring WindowClass(HWND window) {
  wchar_t name[257] = {};
  const int length = GetClassNameW(window, name, 257);
  return std::wstring(name, static_cast<std::size_t>(length > 0 ? length : 0));
}

std::optional<HWND> ParseWindowHandle(const std::wstring& text) {
  const auto number = ParseNumber(text);
  if (!number) return std::nullopt;
  return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(*number));
}

void PrintWindowRecord(HWND window) {
  // Visibility, styles and parent are read before the place: a program that
  // places a window before showing it may be doing so while this runs, and a
  // window seen shown must then be seen in its final place.
  const bool visible = IsWindowVisible(window) != FALSE;
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
  HWND parent = GetAncestor(window, GA_PARENT);
  if (parent == GetDesktopWindow()) parent = nullptr;
  RECT rect{}, client{};
  GetWindowRect(window, &rect);
  GetClientRect(window, &client);
  DWORD processId = 0;
  const DWORD threadId = GetWindowThreadProcessId(window, &processId);

  PrintNumber(L"hwnd", HandleNumber(window));
  PrintValue(L"title", WindowTitle(window));
  PrintValue(L"class", WindowClass(window));
  PrintNumber(L"left", rect.left);
  PrintNumber(L"top", rect.top);
  PrintNumber(L"right", rect.right);
  PrintNumber(L"bottom", rect.bottom);
  PrintNumber(L"client_width", client.right - client.left);
  PrintNumber(L"client_height", client.bottom - client.top);
  PrintHex(L"style", style);
  PrintHex(L"exstyle", exStyle);
  PrintNumber(L"visible", visible ? 1 : 0);
  PrintNumber(L"topmost", (exStyle & WS_EX_TOPMOST) ? 1 : 0);
  PrintNumber(L"pid", processId);
  PrintNumber(L"tid", threadId);
  PrintNumber(L"parent", HandleNumber(parent));
  PrintNumber(L"owner", HandleNumber(GetWindow(window, GW_OWNER)));
  // Wine's X11 driver keeps the X window of a top-level window in this property;
  // it lets X input be aimed at exactly this window. 0 elsewhere.
  PrintNumber(L"x11_window",
              HandleNumber(static_cast<HWND>(GetPropW(window, L"__wine_x11_whole_window"))));
  PrintRecordEnd();
}
