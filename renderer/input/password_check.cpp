// The password check's sequence (password_check.h); the Win32 system it runs
// on is win32_password_system.cpp.
#include "input/password_check.h"

#include "input/dismissal_state.h"

bool VerifyPassword(DismissalState& state, ScreenSaverPasswordSystem& system) {
  if (!system.IsWindows9xFamily()) return true;
  if (!system.LoadVerifier()) return true;
  system.SetScreenSaverRunning(true);
  state.passwordDialogActive = true;
  const bool allowed = system.RunVerifier();
  state.passwordDialogActive = false;
  system.SetScreenSaverRunning(false);
  system.UnloadVerifier();
  return allowed;
}
