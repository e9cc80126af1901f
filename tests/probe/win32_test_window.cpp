// A plain window that the probe creates and keeps alive, for tests that need a
// window of their own (for example one that another program attaches a child
// to).
#include "win32_probe.h"

namespace {
constexpr wchar_t kTestWindowClass[] = L"ZelvaneProbeWindow";
constexpr DWORD kDestroyWaitMs = 5000;

// Asks a test window to destroy itself: only its own thread may do that.
UINT DestroyMessage() {
  static const UINT message = RegisterWindowMessageW(L"ZelvaneProbeDestroy");
  return message;
}

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == DestroyMessage()) {
    DestroyWindow(window);
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// The option as a number, `fallback` when absent.
std::optional<std::uint64_t> Number(const Arguments& args, const wchar_t* name,
                                    std::uint64_t fallback) {
  const auto text = args.Option(name);
  return text ? ParseNumber(*text) : fallback;
}
}  // namespace

int TestWindowCommand(const Arguments& args) {
  const auto x = Number(args, L"x", 0), y = Number(args, L"y", 0);
  const auto width = Number(args, L"width", 320), height = Number(args, L"height", 240);
  if (!x || !y || !width || !height) {
    PrintError(L"--x, --y, --width and --height take numbers");
    return kBadArguments;
  }
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = TestWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = CreateSolidBrush(RGB(0x40, 0x80, 0xC0));
  windowClass.lpszClassName = kTestWindowClass;
  RegisterClassW(&windowClass);
  const std::wstring title = args.Option(L"title").value_or(L"Zelvane probe window");
  // A popup without a frame: its outer rectangle is exactly the size asked for.
  HWND window =
      CreateWindowExW(0, kTestWindowClass, title.c_str(), WS_POPUP | WS_VISIBLE,
                      static_cast<int>(*x), static_cast<int>(*y), static_cast<int>(*width),
                      static_cast<int>(*height), nullptr, nullptr, instance, nullptr);
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
  const auto& p = args.positional;
  const auto window = p.size() == 1 ? ParseWindowHandle(p[0]) : std::nullopt;
  if (!window) {
    PrintError(L"expected: destroy HWND");
    return kBadArguments;
  }
  if (!IsWindow(*window) || WindowClass(*window) != kTestWindowClass) return kNotDone;
  DWORD_PTR result = 0;
  SendMessageTimeoutW(*window, DestroyMessage(), 0, 0, SMTO_ABORTIFHUNG, kDestroyWaitMs, &result);
  return IsWindow(*window) ? kNotDone : kDone;
}
