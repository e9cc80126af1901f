// The renderer program's entry: installs the failure trace and runs the saver
// window (win32_saver_window.h).
#include <windows.h>

#include "common/win32_failure_trace.h"
#include "main/renderer_arguments.h"
#include "main/win32_renderer_state.h"
#include "main/win32_saver_window.h"

// Every start runs the same full-screen saver; of the command line only a
// request for the field on the primary monitor alone is read.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int) {
  zelvane::InstallWin32FailureTrace(L"renderer");
  Renderer().instance = instance;
  Renderer().primaryOnly = arguments != nullptr && PrimaryOnlyRequested(arguments);
  return RunSaverWindow();
}
