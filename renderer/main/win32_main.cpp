// The renderer program's entry: installs the failure trace and runs the saver
// window (win32_saver_window.h).
#include <windows.h>

#include "common/win32_failure_trace.h"
#include "main/win32_renderer_state.h"
#include "main/win32_saver_window.h"

// The command line is not interpreted: every start runs the same full-screen
// saver.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  zelvane::InstallWin32FailureTrace(L"renderer");
  Renderer().instance = instance;
  return RunSaverWindow();
}
