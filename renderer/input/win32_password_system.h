// The password check on Windows; its neutral sequence is in password_check.h.
#pragma once

#include <windows.h>

#include "input/password_check.h"

// The real password check: the verifier exported by the Windows 9x "PASSWORD.CPL".
class Win32PasswordSystem final : public ScreenSaverPasswordSystem {
 public:
  explicit Win32PasswordSystem(HWND saverWindow) : saverWindow_(saverWindow) {}
  ~Win32PasswordSystem() override;

  bool IsWindows9xFamily() override;
  bool LoadVerifier() override;
  bool RunVerifier() override;
  void UnloadVerifier() override;
  void SetScreenSaverRunning(bool running) override;

 private:
  using VerifyFunction = BOOL(WINAPI*)(HWND);

  HWND saverWindow_;
  HMODULE library_ = nullptr;
  VerifyFunction verify_ = nullptr;
  UINT previousRunningState_ = 0;  // filled by the system, not used
};
