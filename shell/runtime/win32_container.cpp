#include "win32_container.h"

#include <windowsx.h>

#include <algorithm>

#include "common/failure_trace.h"
#include "program_facts.h"
#include "win32_combo_box.h"
#include "win32_loaded_forms.h"
#include "win32_picture_box.h"
#include "win32_program.h"
#include "win32_timer.h"

namespace zelvane::rt {
namespace {

std::int16_t ShiftState(WPARAM keys) {
  std::int16_t shift = 0;
  if (keys & MK_SHIFT) shift |= 1;
  if (keys & MK_CONTROL) shift |= 2;
  if (GetKeyState(VK_MENU) < 0) shift |= 4;
  return shift;
}

std::int16_t ButtonOf(UINT message, WPARAM keys) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      return 1;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      return 2;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      return 4;
    default:  // a move reports the buttons held
      return static_cast<std::int16_t>(((keys & MK_LBUTTON) ? 1 : 0) |
                                       ((keys & MK_RBUTTON) ? 2 : 0) |
                                       ((keys & MK_MBUTTON) ? 4 : 0));
  }
}

bool Contains(const RECT& rect, POINT point) {
  return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
         point.y < rect.bottom;
}

}  // namespace

Container::Container(const Appearance& appearance) {
  surface_.SetBackColour(appearance.backColour);
  surface_.SetFont(appearance.font);
  surface_.SetUnit(appearance.unit);
  surface_.Clear();
}

Container::~Container() {
  // Whatever a container holds must go before it: a control or timer left
  // would later unregister from a container that no longer exists.
  if (!controls_.empty() || !timers_.empty()) {
    ReportFailure("a container was destroyed while controls or timers were registered with it");
  }
}

const wchar_t* Container::WindowClass() {
  static const wchar_t* name = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &Container::WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"Zelvane.Container";
    if (RegisterClassExW(&wc) == 0) ReportFailure("RegisterClassExW Zelvane.Container");
    return L"Zelvane.Container";
  }();
  return name;
}

HWND Container::CreateContainerWindow(DWORD style, DWORD exStyle, HWND parent, const RECT& outer,
                                      const wchar_t* title) {
  destroying_ = false;
  reportedSize_ = {-1, -1};
  HWND window = CreateWindowExW(exStyle, WindowClass(), title, style, outer.left, outer.top,
                                outer.right - outer.left, outer.bottom - outer.top, parent, nullptr,
                                GetModuleHandleW(nullptr), this);
  if (!window) return nullptr;
  RECT client{};
  GetClientRect(window, &client);
  surface_.AttachWindow(window);
  Resized(client.right, client.bottom);
  return window;
}

void Container::CreateChildren() {
  for (Control* control : std::vector<Control*>(controls_)) control->CreateWindowPart();
  for (Timer* timer : timers_) timer->Sync();
}

void Container::DestroyChildParts() {
  for (Timer* timer : timers_) timer->Stop();
  for (Control* control : std::vector<Control*>(controls_)) control->DestroyWindowPart();
}

void Container::DestroyContainerWindow() {
  if (!window_) return;
  destroying_ = true;
  DestroyChildParts();
  if (ProgramEnding()) return;  // the process is going; its windows go with it
  DestroyWindow(window_);
}

void Container::SetBackColour(Colour colour) {
  surface_.SetBackColour(colour);
  surface_.Clear();
  if (window_) InvalidateRect(window_, nullptr, FALSE);
}

void Container::Refresh() {
  surface_.Refresh();
}

void Container::ComposeBackground(HDC dc, int dx, int dy) const {
  BitBlt(dc, dx, dy, surface_.WidthPixels(), surface_.HeightPixels(), surface_.hDC(), 0, 0,
         SRCCOPY);
}

void Container::Compose(HDC dc, int dx, int dy) const {
  ComposeBackground(dc, dx, dy);
  POINT origin{};
  SetViewportOrgEx(dc, dx, dy, &origin);
  for (const Control* control : controls_) {
    auto* windowless = dynamic_cast<const WindowlessControl*>(control);
    if (windowless && windowless->Visible()) windowless->Paint(dc);
  }
  SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
}

void Container::ForEachControl(const std::function<void(Control&)>& visit) const {
  for (Control* control : std::vector<Control*>(controls_)) {
    visit(*control);
    if (auto* box = dynamic_cast<PictureBox*>(control)) box->ForEachControl(visit);
  }
}

void Container::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window_, &ps);
  RECT client{};
  GetClientRect(window_, &client);
  // Composed off screen first so labels do not flicker over the surface.
  HDC buffer = CreateCompatibleDC(dc);
  HBITMAP bitmap =
      CreateCompatibleBitmap(dc, std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1));
  HGDIOBJ old = SelectObject(buffer, bitmap);
  Compose(buffer, 0, 0);
  BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
         ps.rcPaint.bottom - ps.rcPaint.top, buffer, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
  SelectObject(buffer, old);
  DeleteObject(bitmap);
  DeleteDC(buffer);
  EndPaint(window_, &ps);
}

void Container::Resized(int width, int height) {
  surface_.Resize(width, height);
  if (reportedSize_.cx == width && reportedSize_.cy == height) return;
  reportedSize_ = {width, height};
  OnResized();
}

WindowlessControl* Container::HitTest(POINT point) const {
  // The control created last lies on top.
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    auto* windowless = dynamic_cast<WindowlessControl*>(*it);
    if (windowless && windowless->Visible() && windowless->Enabled() && windowless->TakesMouse() &&
        Contains(windowless->PixelRect(), point)) {
      return windowless;
    }
  }
  return nullptr;
}

void Container::RouteMouse(UINT message, WPARAM wParam, LPARAM lParam) {
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  const bool down =
      message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
  const bool up = message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
  MouseEvent event{ButtonOf(message, wParam), ShiftState(wParam), 0, 0};

  WindowlessControl* target = pressed_;
  if (!target && !mouseOnSelf_) target = HitTest(point);
  if (down && !pressed_ && !mouseOnSelf_) {
    // The press owns the mouse until every button is up again.
    pressed_ = target;
    mouseOnSelf_ = target == nullptr;
    SetCapture(window_);
  }
  const RECT place = target ? target->PixelRect() : RECT{};
  event.x = static_cast<float>(PixelsToTwips(point.x - place.left));
  event.y = static_cast<float>(PixelsToTwips(point.y - place.top));

  if (target) {
    const MouseHandler& handler = down ? target->MouseDown
                                  : up ? target->MouseUp
                                       : target->MouseMove;
    if (handler) RunHandler([&] { handler(event); });
    if (message == WM_LBUTTONUP && target->Click && Contains(target->PixelRect(), point)) {
      RunHandler([&] { target->Click(); });
    }
  } else {
    OnMouse(down ? MouseAction::kDown : up ? MouseAction::kUp : MouseAction::kMove, event);
    if (message == WM_LBUTTONUP && mouseOnSelf_) OnMouse(MouseAction::kClick, event);
  }

  const WPARAM held = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;
  if (up && !(wParam & held)) {
    pressed_ = nullptr;
    mouseOnSelf_ = false;
    if (GetCapture() == window_) ReleaseCapture();
  }
}

LRESULT Container::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the surface covers everything
    case WM_PAINT:
      Paint();
      return 0;
    case WM_PRINTCLIENT:
      Compose(reinterpret_cast<HDC>(wParam), 0, 0);
      return 0;
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) Resized(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_TIMER:
      for (Timer* timer : std::vector<Timer*>(timers_)) {
        if (timer->Id() == wParam) {
          timer->Fire();
          break;
        }
      }
      return 0;
    case WM_COMMAND:
      if (lParam) {
        if (ComboBox* combo = ComboBox::FromWindow(reinterpret_cast<HWND>(lParam))) {
          combo->OnNotify(HIWORD(wParam));
        }
      }
      return 0;
    case WM_SETCURSOR:
      if (ScreenMousePointer() == MousePointer::kHourglass) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      if (reinterpret_cast<HWND>(wParam) == window_ && LOWORD(lParam) == HTCLIENT) {
        POINT point;
        GetCursorPos(&point);
        ScreenToClient(window_, &point);
        WindowlessControl* over = HitTest(point);
        if (over && over->Cursor()) {
          SetCursor(over->Cursor());
          return TRUE;
        }
      }
      break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      RouteMouse(message, wParam, lParam);
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != window_) {
        pressed_ = nullptr;
        mouseOnSelf_ = false;
      }
      return 0;
    case WM_DESTROY:
      // Destroyed by the platform (its parent went): the controls' windows go too.
      if (!destroying_) {
        destroying_ = true;
        DestroyChildParts();
      }
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK Container::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Container*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->window_ = window;
  }
  auto* self = reinterpret_cast<Container*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
    self->surface_.AttachWindow(nullptr);
    self->pressed_ = nullptr;
    self->mouseOnSelf_ = false;
    try {
      self->OnWindowGone();
    } catch (...) {
      ReportCurrentException("window gone handler");
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }
  try {
    return self->HandleMessage(message, wParam, lParam);
  } catch (...) {
    // Nothing raised by the program's code goes back into the platform.
    ReportCurrentException("window procedure");
    return 0;
  }
}

void Container::Register(Control* control) {
  controls_.push_back(control);
}

void Container::Unregister(Control* control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
  if (pressed_ == control) pressed_ = nullptr;
}

void Container::Register(Timer* timer) {
  timers_.push_back(timer);
  timer->Sync();
}

void Container::Unregister(Timer* timer) {
  timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
}

}  // namespace zelvane::rt
