// The other monitors' field and cover windows and their window procedure
// (win32_cover_windows.h); their areas come from monitor_layout.cpp.
#include "main/win32_cover_windows.h"

#include "common/failure_trace.h"
#include "input/win32_dismissal.h"
#include "main/win32_display_events.h"
#include "main/win32_renderer_state.h"

namespace {
constexpr wchar_t kCoverClassName[] = L"ZelvaneCover";
constexpr wchar_t kFieldClassName[] = L"ZelvaneField";

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM monitors) {
  MONITORINFOEXW info{};
  info.cbSize = sizeof(info);
  if (GetMonitorInfoW(monitor, &info)) {
    DEVMODEW mode{};
    mode.dmSize = sizeof(mode);
    const int refresh = EnumDisplaySettingsW(info.szDevice, ENUM_CURRENT_SETTINGS, &mode)
                            ? static_cast<int>(mode.dmDisplayFrequency)
                            : 0;
    const RECT& area = info.rcMonitor;
    reinterpret_cast<std::vector<Monitor>*>(monitors)->push_back(
        {{area.left, area.top, area.right, area.bottom},
         (info.dwFlags & MONITORINFOF_PRIMARY) != 0,
         refresh});
  }
  return TRUE;
}

// The field of a window of the other monitors; null for a cover.
Scene* SceneOf(HWND window) {
  return reinterpret_cast<Scene*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT CALLBACK MonitorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    ObserveDisplayEvent(message, wParam, lParam);
    Scene* const scene = SceneOf(window);
    switch (message) {
      case WM_CLOSE:
        // These windows go only with the primary field's window.
        return 0;
      case WM_MOUSEACTIVATE:
        // A cover keeps the keyboard where it is; the click itself still
        // reaches it and dismisses.
        if (scene == nullptr) return MA_NOACTIVATE;
        break;
      case WM_ACTIVATEAPP:
        // The primary field's window hears of other applications taking over.
        return DefWindowProcW(window, message, wParam, lParam);
      case WM_SIZE:
        if (scene != nullptr) scene->Resize(LOWORD(lParam), HIWORD(lParam));
        break;
      case WM_DESTROY:
        if (scene != nullptr) scene->Close();
        break;
      default:
        break;
    }
    if (const StageAnswer answer = ClassStageAnswer(message, wParam)) return *answer;
    const HWND owner = GetWindow(window, GW_OWNER);
    if (owner == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    if (const StageAnswer answer = InputStageAnswer(Renderer().dismissal, owner, message, wParam)) {
      return *answer;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  } catch (...) {
    zelvane::ReportCurrentException("monitor window procedure");
    return 0;
  }
}

bool RegisterMonitorClass(HINSTANCE instance, const wchar_t* name, UINT style) {
  WNDCLASSW windowClass{};
  if (GetClassInfoW(instance, name, &windowClass)) return true;
  windowClass.style = style;
  windowClass.lpfnWndProc = MonitorWindowProc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = name;
  return RegisterClassW(&windowClass) != 0;
}

// Shown without taking the activation, so that laying the windows out again
// while the saver runs leaves the keyboard where it is.
HWND OpenMonitorWindow(HWND owner, const wchar_t* className, DWORD exStyle,
                       const ScreenRect& area) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
  const HWND window = CreateWindowExW(
      WS_EX_TOPMOST | exStyle, className, L"", WS_POPUP | WS_CLIPSIBLINGS, area.left, area.top,
      area.right - area.left, area.bottom - area.top, owner, nullptr, instance, nullptr);
  if (window != nullptr) ShowWindow(window, SW_SHOWNOACTIVATE);
  return window;
}
}  // namespace

std::vector<Monitor> ReadSystemMonitors() {
  std::vector<Monitor> monitors;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  if (monitors.empty()) {
    monitors.push_back(
        {{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, true, 0});
  }
  return monitors;
}

std::vector<HWND> OpenCoverWindows(HWND fieldWindow, std::span<const ScreenRect> areas) {
  std::vector<HWND> covers;
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(fieldWindow, GWLP_HINSTANCE));
  if (areas.empty() || !RegisterMonitorClass(instance, kCoverClassName, 0)) return covers;
  for (const ScreenRect& area : areas) {
    const HWND cover =
        OpenMonitorWindow(fieldWindow, kCoverClassName, WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, area);
    if (cover != nullptr) covers.push_back(cover);
  }
  return covers;
}

bool OpenFieldWindow(HWND primaryWindow, const ScreenRect& area, Scene& scene, uint32_t seed) {
  const auto instance =
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(primaryWindow, GWLP_HINSTANCE));
  // Each field window draws with a device context of its own.
  if (!RegisterMonitorClass(instance, kFieldClassName, CS_OWNDC | CS_HREDRAW | CS_VREDRAW)) {
    return false;
  }
  const HWND window = OpenMonitorWindow(primaryWindow, kFieldClassName, WS_EX_TOOLWINDOW, area);
  if (window == nullptr) return false;
  scene.Open(window, seed, Renderer().settings);
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&scene));
  return true;
}
