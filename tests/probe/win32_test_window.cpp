// A plain window that the probe creates and keeps alive, for tests that need a
// window of their own (for example one that another program attaches a child
// to). It reports what happens to it as event=... lines.
#include <windows.h>

#include "probe_commands.h"
#include "win32_output.h"
#include "win32_window_query.h"

namespace {

constexpr wchar_t kTestWindowClass[] = L"ZelvaneProbeWindow";
// Asks a test window to destroy itself: only its own thread may do that.
constexpr wchar_t kDestroyMessageName[] = L"ZelvaneProbeDestroy";
constexpr DWORD kDestroyWaitMs = 5000;

UINT DestroyMessage() {
  static const UINT message = RegisterWindowMessageW(kDestroyMessageName);
  return message;
}

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == DestroyMessage()) {
    DestroyWindow(window);
    return 0;
  }
  switch (message) {
    case WM_CLOSE:
      PrintValue(L"event", L"close");
      break;
    case WM_DESTROY:
      PrintValue(L"event", L"destroy");
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

struct Placement {
  int x = 0, y = 0, width = 320, height = 240;
  COLORREF color = RGB(0x40, 0x80, 0xC0);
};

bool ReadInt(const Arguments& args, const wchar_t* name, int& value) {
  auto text = args.Option(name);
  if (!text) return true;
  auto number = ParseNumber(*text);
  if (!number) return false;
  value = static_cast<int>(static_cast<std::int64_t>(*number));
  return true;
}

// --color takes RRGGBB in hexadecimal, as colours are usually written.
bool ReadColor(const Arguments& args, COLORREF& color) {
  auto text = args.Option(L"color");
  if (!text) return true;
  auto number = ParseNumber(L"0x" + *text);
  if (text->size() != 6 || !number) return false;
  color = RGB((*number >> 16) & 0xFF, (*number >> 8) & 0xFF, *number & 0xFF);
  return true;
}

}  // namespace

int TestWindowCommand(const Arguments& args) {
  Placement p;
  if (!ReadInt(args, L"x", p.x) || !ReadInt(args, L"y", p.y) || !ReadInt(args, L"width", p.width) ||
      !ReadInt(args, L"height", p.height) || !ReadColor(args, p.color)) {
    PrintError(L"--x, --y, --width and --height take numbers, --color RRGGBB");
    return kBadArguments;
  }
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = TestWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = CreateSolidBrush(p.color);
  windowClass.lpszClassName = kTestWindowClass;
  if (!RegisterClassW(&windowClass)) {
    PrintError(L"RegisterClassW failed");
    return kNotDone;
  }
  std::wstring title = args.Option(L"title").value_or(L"Zelvane probe window");
  // A popup without a frame: its outer rectangle is exactly the size asked for.
  HWND window = CreateWindowExW(0, kTestWindowClass, title.c_str(), WS_POPUP | WS_VISIBLE, p.x, p.y,
                                p.width, p.height, nullptr, nullptr, instance, nullptr);
  if (!window) {
    PrintError(L"CreateWindowExW failed");
    return kNotDone;
  }
  PrintWindowRecord(window);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return kDone;
}

int DestroyCommand(const Arguments& args) {
  auto window = args.positional.size() == 1 ? ParseWindowHandle(args.positional[0]) : std::nullopt;
  if (!window) {
    PrintError(L"expected: destroy HWND");
    return kBadArguments;
  }
  if (!IsWindow(*window) || WindowClass(*window) != kTestWindowClass) {
    PrintError(L"not a window of the probe");
    return kNotDone;
  }
  DWORD_PTR result = 0;
  SendMessageTimeoutW(*window, DestroyMessage(), 0, 0, SMTO_ABORTIFHUNG, kDestroyWaitMs, &result);
  const ULONGLONG deadline = GetTickCount64() + kDestroyWaitMs;
  while (IsWindow(*window)) {
    if (GetTickCount64() >= deadline) {
      PrintError(L"the window is still there");
      return kNotDone;
    }
    Sleep(20);
  }
  PrintNumber(L"destroyed", 1);
  return kDone;
}
