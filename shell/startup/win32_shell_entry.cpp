// The shell program's entry: the runtime runs Main, then the message loop for
// as long as a form is loaded.
#include <windows.h>

#include "runtime/win32_program.h"
#include "startup_state.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  return zelvane::rt::RunProgram(&zelvane::startup::Main);
}
