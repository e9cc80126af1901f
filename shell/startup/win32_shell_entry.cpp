// The shell program's entry: the runtime runs Main, then the message loop for
// as long as a form is loaded.
#include <windows.h>

#include "common/win32_failure_trace.h"
#include "runtime/win32_program.h"
#include "startup_state.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  zelvane::InstallWin32FailureTrace(L"shell");
  return zelvane::rt::RunProgram(&zelvane::startup::Main);
}
