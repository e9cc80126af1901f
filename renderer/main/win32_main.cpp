// The renderer program's entry: runs the saver window (win32_saver_window.h).
#include <windows.h>

#include "main/win32_renderer_state.h"
#include "main/win32_saver_window.h"

// The command line is not interpreted: every start runs the same full-screen
// saver.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  Renderer().instance = instance;
  return RunSaverWindow();
}
