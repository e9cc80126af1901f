// The cover windows and their window procedure (win32_cover_windows.h); their
// areas come from monitor_layout.cpp.
#include "main/win32_cover_windows.h"

#include "common/failure_trace.h"
#include "input/win32_dismissal.h"
#include "main/win32_renderer_state.h"

namespace {
constexpr wchar_t kCoverClassName[] = L"ZelvaneCover";

BOOL CALLBACK AddMonitorRect(HMONITOR monitor, HDC, LPRECT, LPARAM rects) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (GetMonitorInfoW(monitor, &info)) {
    const RECT& area = info.rcMonitor;
    reinterpret_cast<std::vector<ScreenRect>*>(rects)->push_back(
        {area.left, area.top, area.right, area.bottom});
  }
  return TRUE;
}

LRESULT CALLBACK CoverWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    switch (message) {
      case WM_CLOSE:
        // A cover goes only with the field's window.
        return 0;
      case WM_MOUSEACTIVATE:
        // Keeps the keyboard with the field's window; the click itself still
        // reaches the cover and dismisses.
        return MA_NOACTIVATE;
      case WM_ACTIVATEAPP:
        // The field's window hears of other applications taking over.
        return DefWindowProcW(window, message, wParam, lParam);
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
    zelvane::ReportCurrentException("cover window procedure");
    return 0;
  }
}

bool RegisterCoverClass(HINSTANCE instance) {
  WNDCLASSW windowClass{};
  if (GetClassInfoW(instance, kCoverClassName, &windowClass)) return true;
  windowClass.lpfnWndProc = CoverWindowProc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = kCoverClassName;
  return RegisterClassW(&windowClass) != 0;
}
}  // namespace

std::vector<ScreenRect> MonitorRects() {
  std::vector<ScreenRect> rects;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitorRect, reinterpret_cast<LPARAM>(&rects));
  return rects;
}

std::vector<HWND> OpenCoverWindows(HWND fieldWindow, std::span<const ScreenRect> areas) {
  std::vector<HWND> covers;
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(fieldWindow, GWLP_HINSTANCE));
  if (areas.empty() || !RegisterCoverClass(instance)) return covers;
  for (const ScreenRect& area : areas) {
    const HWND cover = CreateWindowExW(
        WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kCoverClassName, L"",
        WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS, area.left, area.top, area.right - area.left,
        area.bottom - area.top, fieldWindow, nullptr, instance, nullptr);
    if (cover != nullptr) covers.push_back(cover);
  }
  return covers;
}

void CoverOtherMonitors(HWND fieldWindow, const ScreenRect& fieldArea) {
  const std::vector<ScreenRect> monitors = MonitorRects();
  const ScreenRect fields[] = {fieldArea};
  OpenCoverWindows(fieldWindow, CoverAreas(fields, monitors));
}
