// Reading and answering message boxes: top-level dialogs of class #32770 with
// static texts, an optional icon and push buttons.
#include <windows.h>

#include <algorithm>

#include "probe_commands.h"
#include "win32_output.h"
#include "win32_window_query.h"

namespace {

constexpr wchar_t kDialogClass[] = L"#32770";
constexpr DWORD kDefaultWaitMs = 10000;

struct Button {
  HWND window;
  int id;
  int left;
  std::wstring label;
};

struct MessageBoxContents {
  std::wstring text;
  bool hasIcon = false;
  std::vector<Button> buttons;  // left to right
};

// The label as the user reads it: accelerator ampersands removed, && kept as &.
std::wstring Label(const std::wstring& text) {
  std::wstring label;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'&' && i + 1 < text.size()) ++i;
    label += text[i];
  }
  return label;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM data) {
  auto* contents = reinterpret_cast<MessageBoxContents*>(data);
  if (!IsWindowVisible(child)) return TRUE;
  std::wstring className = WindowClass(child);
  if (_wcsicmp(className.c_str(), L"Static") == 0) {
    LONG style = GetWindowLongW(child, GWL_STYLE);
    if ((style & SS_TYPEMASK) == SS_ICON) {
      if (SendMessageW(child, STM_GETICON, 0, 0)) contents->hasIcon = true;
    } else {
      if (!contents->text.empty()) contents->text += L'\n';
      contents->text += WindowTitle(child);
    }
  } else if (_wcsicmp(className.c_str(), L"Button") == 0) {
    RECT rect{};
    GetWindowRect(child, &rect);
    contents->buttons.push_back(
        {child, GetDlgCtrlID(child), static_cast<int>(rect.left), Label(WindowTitle(child))});
  }
  return TRUE;
}

MessageBoxContents ReadContents(HWND dialog) {
  MessageBoxContents contents;
  EnumChildWindows(dialog, CollectChild, reinterpret_cast<LPARAM>(&contents));
  std::sort(contents.buttons.begin(), contents.buttons.end(),
            [](const Button& a, const Button& b) { return a.left < b.left; });
  return contents;
}

// Waits for a visible message box with the given caption (any caption when
// --title is absent) and, with --pid, of the given process.
HWND WaitForMessageBox(const Arguments& args) {
  WindowFilter filter;
  filter.title = args.Option(L"title");
  filter.className = kDialogClass;
  std::optional<std::uint64_t> pid;
  if (auto text = args.Option(L"pid")) pid = ParseNumber(*text);
  DWORD timeout = kDefaultWaitMs;
  if (auto text = args.Option(L"timeout")) {
    if (auto number = ParseNumber(*text)) timeout = static_cast<DWORD>(*number);
  }
  const ULONGLONG deadline = GetTickCount64() + timeout;
  for (;;) {
    for (HWND window : FindWindows(filter)) {
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      if (IsWindowVisible(window) && (!pid || *pid == owner)) return window;
    }
    if (GetTickCount64() >= deadline) return nullptr;
    Sleep(50);
  }
}

}  // namespace

int ReadMessageBoxCommand(const Arguments& args) {
  HWND dialog = WaitForMessageBox(args);
  if (!dialog) {
    PrintError(L"no message box appeared");
    return kNotDone;
  }
  MessageBoxContents contents = ReadContents(dialog);
  DWORD processId = 0;
  GetWindowThreadProcessId(dialog, &processId);
  PrintNumber(L"hwnd", static_cast<std::int64_t>(reinterpret_cast<std::uintptr_t>(dialog)));
  PrintValue(L"caption", WindowTitle(dialog));
  PrintValue(L"text", contents.text);
  PrintNumber(L"icon", contents.hasIcon ? 1 : 0);
  PrintNumber(L"pid", processId);
  PrintNumber(L"button_count", static_cast<std::int64_t>(contents.buttons.size()));
  for (std::size_t i = 0; i < contents.buttons.size(); ++i) {
    std::wstring key = L"button" + std::to_wstring(i + 1);
    PrintValue(key, contents.buttons[i].label);
    PrintNumber(key + L"_id", contents.buttons[i].id);
  }
  PrintRecordEnd();
  return kDone;
}

int PressButtonCommand(const Arguments& args) {
  auto label = args.Option(L"button");
  if (!label) {
    PrintError(L"press needs --button LABEL");
    return kBadArguments;
  }
  HWND dialog = WaitForMessageBox(args);
  if (!dialog) {
    PrintError(L"no message box appeared");
    return kNotDone;
  }
  for (const Button& button : ReadContents(dialog).buttons) {
    if (button.label != *label) continue;
    // What a click on the button sends to its dialog.
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button.id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button.window));
    PrintNumber(L"pressed", button.id);
    return kDone;
  }
  PrintError(L"the message box has no such button");
  return kNotDone;
}

int ShowMessageBoxCommand(const Arguments& args) {
  std::wstring text = args.Option(L"text").value_or(L"");
  std::wstring caption = args.Option(L"title").value_or(L"");
  UINT type = args.Has(L"icon") ? MB_ICONINFORMATION : 0;
  std::wstring buttons = args.Option(L"buttons").value_or(L"ok");
  if (buttons == L"okcancel") {
    type |= MB_OKCANCEL;
  } else if (buttons == L"yesno") {
    type |= MB_YESNO;
  } else if (buttons != L"ok") {
    PrintError(L"--buttons takes ok, okcancel or yesno");
    return kBadArguments;
  }
  PrintNumber(L"result", MessageBoxW(nullptr, text.c_str(), caption.c_str(), type));
  return kDone;
}
