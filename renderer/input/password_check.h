// The password check's sequence, on any system. Platform-neutral; the real
// system is in win32_password_system.h.
#pragma once

// The Windows 9x screen-saver password check, as the dismissal logic needs it.
// Other systems have no such check and always let the saver close.
class ScreenSaverPasswordSystem {
 public:
  virtual ~ScreenSaverPasswordSystem() = default;
  virtual bool IsWindows9xFamily() = 0;
  // Loads the system's password verifier; false when the component or its
  // entry point is missing (nothing stays loaded then).
  virtual bool LoadVerifier() = 0;
  // Runs the verifier's modal dialog; true when the saver may close.
  virtual bool RunVerifier() = 0;
  virtual void UnloadVerifier() = 0;
  // Tells the system a saver is running, which keeps the task switch keys
  // away from the desktop while the dialog is up.
  virtual void SetScreenSaverRunning(bool running) = 0;
};

struct DismissalState;

// True when the window may close. Sets passwordDialogActive for the duration
// of the dialog so frames and input handling pause meanwhile.
bool VerifyPassword(DismissalState& state, ScreenSaverPasswordSystem& system);
