// Reading and answering message boxes: top-level dialogs of class #32770 with
// static texts, an optional icon and push buttons.
#include <algorithm>

#include "win32_probe.h"

namespace {
struct Button {
  HWND window;
  int left;
};

struct MessageBoxContents {
  std::wstring text;
  bool hasIcon = false;
  std::vector<Button> buttons;  // left to right
};

BOOL CALLBACK CollectChild(HWND child, LPARAM data) {
  auto* contents = reinterpret_cast<MessageBoxContents*>(data);
  if (!IsWindowVisible(child)) return TRUE;
  const std::wstring className = WindowClass(child);
  if (_wcsicmp(className.c_str(), L"Static") == 0) {
    if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
      contents->hasIcon = contents->hasIcon || SendMessageW(child, STM_GETICON, 0, 0) != 0;
    } else {
      if (!contents->text.empty()) contents->text += L'\n';
      contents->text += WindowTitle(child);
    }
  } else if (_wcsicmp(className.c_str(), L"Button") == 0) {
    RECT rect{};
    GetWindowRect(child, &rect);
    contents->buttons.push_back({child, static_cast<int>(rect.left)});
  }
  return TRUE;
}

// Waits for a visible message box with the given --title (any when absent)
// and, with --pid, of the given process; reads it.
std::optional<MessageBoxContents> WaitForMessageBox(const Arguments& args, HWND& dialog) {
  WindowFilter filter;
  const auto timeout = ReadTimeout(args);
  if (!ReadWindowFilter(args, filter) || !timeout) return std::nullopt;
  filter.className = L"#32770", filter.visibleOnly = true;
  const std::vector<HWND> found = WaitForWindows(filter, false, *timeout);
  MessageBoxContents contents;
  if (found.empty()) return contents;
  dialog = found.front();
  EnumChildWindows(dialog, CollectChild, reinterpret_cast<LPARAM>(&contents));
  std::sort(contents.buttons.begin(), contents.buttons.end(),
            [](const Button& a, const Button& b) { return a.left < b.left; });
  return contents;
}
}  // namespace

int ReadMessageBoxCommand(const Arguments& args) {
  HWND dialog = nullptr;
  const auto contents = WaitForMessageBox(args, dialog);
  if (!contents) return kBadArguments;
  if (!dialog) return kNotDone;
  DWORD processId = 0;
  GetWindowThreadProcessId(dialog, &processId);
  PrintNumber(L"hwnd", static_cast<std::int64_t>(reinterpret_cast<std::uintptr_t>(dialog)));
  PrintValue(L"caption", WindowTitle(dialog));
  PrintValue(L"text", contents->text);
  PrintNumber(L"icon", contents->hasIcon ? 1 : 0);
  PrintNumber(L"pid", processId);
  PrintNumber(L"button_count", static_cast<std::int64_t>(contents->buttons.size()));
  for (std::size_t i = 0; i < contents->buttons.size(); ++i) {
    PrintValue(L"button" + std::to_wstring(i + 1), WindowTitle(contents->buttons[i].window));
  }
  PrintRecordEnd();
  return kDone;
}

int PressButtonCommand(const Arguments& args) {
  HWND dialog = nullptr;
  const auto label = args.Option(L"button");
  const auto contents = label ? WaitForMessageBox(args, dialog) : std::nullopt;
  if (!contents) return kBadArguments;
  for (const Button& button : contents->buttons) {
    if (WindowTitle(button.window) != *label) continue;
    // What a click on the button sends to its dialog.
    const int id = GetDlgCtrlID(button.window);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button.window));
    return kDone;
  }
  return kNotDone;
}
