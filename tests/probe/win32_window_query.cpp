#include "win32_window_query.h"

#include <cstdint>

#include "win32_output.h"

namespace {

struct Search {
  const WindowFilter* filter;
  std::vector<HWND> found;
};

bool Matches(HWND window, const WindowFilter& filter) {
  if (filter.parent && GetAncestor(window, GA_PARENT) != filter.parent) return false;
  if (filter.visibleOnly && !IsWindowVisible(window)) return false;
  if (filter.className && WindowClass(window) != *filter.className) return false;
  if (filter.title && WindowTitle(window) != *filter.title) return false;
  return true;
}

BOOL CALLBACK CollectMatching(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  if (Matches(window, *search->filter)) search->found.push_back(window);
  return TRUE;
}

std::int64_t HandleNumber(HWND window) {
  return static_cast<std::int64_t>(reinterpret_cast<std::uintptr_t>(window));
}

}  // namespace

bool ReadWindowFilter(const Arguments& args, WindowFilter& filter) {
  filter.title = args.Option(L"title");
  filter.className = args.Option(L"class");
  filter.visibleOnly = args.Has(L"visible");
  if (auto parent = args.Option(L"parent")) {
    auto handle = ParseWindowHandle(*parent);
    if (!handle) {
      PrintError(L"--parent needs a window handle");
      return false;
    }
    filter.parent = *handle;
  }
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

std::wstring WindowTitle(HWND window) {
  int length = GetWindowTextLengthW(window);
  std::wstring title(static_cast<std::size_t>(length) + 1, L'\0');
  int copied = GetWindowTextW(window, title.data(), length + 1);
  title.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return title;
}

std::wstring WindowClass(HWND window) {
  wchar_t name[257] = {};
  int length = GetClassNameW(window, name, 257);
  return std::wstring(name, static_cast<std::size_t>(length > 0 ? length : 0));
}

std::optional<HWND> ParseWindowHandle(const std::wstring& text) {
  auto number = ParseNumber(text);
  if (!number) return std::nullopt;
  return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(*number));
}

void PrintWindowRecord(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  RECT client{};
  GetClientRect(window, &client);
  DWORD processId = 0;
  DWORD threadId = GetWindowThreadProcessId(window, &processId);
  LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
  HWND parent = GetAncestor(window, GA_PARENT);
  if (parent == GetDesktopWindow()) parent = nullptr;

  PrintNumber(L"hwnd", HandleNumber(window));
  PrintValue(L"title", WindowTitle(window));
  PrintValue(L"class", WindowClass(window));
  PrintNumber(L"left", rect.left);
  PrintNumber(L"top", rect.top);
  PrintNumber(L"right", rect.right);
  PrintNumber(L"bottom", rect.bottom);
  PrintNumber(L"client_width", client.right - client.left);
  PrintNumber(L"client_height", client.bottom - client.top);
  PrintHex(L"style", static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)));
  PrintHex(L"exstyle", static_cast<DWORD>(exStyle));
  PrintNumber(L"visible", IsWindowVisible(window) ? 1 : 0);
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
