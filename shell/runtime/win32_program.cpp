#include "win32_program.h"

#include <algorithm>

#include "win32_form.h"
#include "win32_loaded_forms.h"

namespace zelvane::rt {
namespace {

std::vector<Form*> g_loaded;
bool g_mainReturned = false;
bool g_ending = false;

bool IsFormWindow(HWND window) {
  return std::any_of(g_loaded.begin(), g_loaded.end(),
                     [window](Form* f) { return f->hWnd() == window; });
}

void Dispatch(MSG& message) {
  // Tab moves the focus between the controls of a form.
  if (message.message == WM_KEYDOWN && message.wParam == VK_TAB) {
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (root && IsFormWindow(root) && IsDialogMessageW(root, &message)) return;
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

}  // namespace

HandlerGate& Handlers() {
  static HandlerGate gate;
  return gate;
}

void FormLoaded(Form* form) {
  if (std::find(g_loaded.begin(), g_loaded.end(), form) == g_loaded.end()) g_loaded.push_back(form);
}

void FormGone(Form* form) {
  auto it = std::find(g_loaded.begin(), g_loaded.end(), form);
  if (it == g_loaded.end()) return;
  g_loaded.erase(it);
  if (g_loaded.empty() && g_mainReturned) PostQuitMessage(0);
}

std::vector<Form*> LoadedForms() {
  return g_loaded;
}

bool ProgramEnding() {
  return g_ending;
}

int RunProgram(MainProcedure main) noexcept {
  try {
    main();
  } catch (...) {
    ReportCurrentException("main procedure");
  }
  g_mainReturned = true;
  if (g_loaded.empty()) return 0;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) Dispatch(message);
  return 0;
}

void EndProgram() noexcept {
  g_ending = true;
  ExitProcess(0);
}

bool PumpMessage() {
  MSG message;
  const BOOL result = GetMessageW(&message, nullptr, 0, 0);
  if (result <= 0) {
    // Leave the quit request for the outermost loop.
    if (result == 0) PostQuitMessage(static_cast<int>(message.wParam));
    return false;
  }
  Dispatch(message);
  return true;
}

void DoEvents() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    Dispatch(message);
  }
}

}  // namespace zelvane::rt
