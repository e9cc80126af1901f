// Loads and runs the Windows 9x password verifier (win32_password_system.h).
#include "input/win32_password_system.h"

Win32PasswordSystem::~Win32PasswordSystem() {
  UnloadVerifier();
}

bool Win32PasswordSystem::IsWindows9xFamily() {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExW(&version)) return false;
#pragma GCC diagnostic pop
  return version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

bool Win32PasswordSystem::LoadVerifier() {
  library_ = LoadLibraryW(L"PASSWORD.CPL");
  if (library_ == nullptr) return false;
  // Through a plain function pointer type, which any function pointer may be
  // converted to and from.
  const auto entry = reinterpret_cast<void (*)()>(GetProcAddress(library_, "VerifyScreenSavePwd"));
  verify_ = reinterpret_cast<VerifyFunction>(entry);
  if (verify_ == nullptr) {
    UnloadVerifier();
    return false;
  }
  return true;
}

bool Win32PasswordSystem::RunVerifier() {
  return verify_ != nullptr && verify_(saverWindow_) != FALSE;
}

void Win32PasswordSystem::UnloadVerifier() {
  verify_ = nullptr;
  if (library_ != nullptr) FreeLibrary(library_);
  library_ = nullptr;
}

void Win32PasswordSystem::SetScreenSaverRunning(bool running) {
  SystemParametersInfoW(SPI_SCREENSAVERRUNNING, running ? TRUE : FALSE, &previousRunningState_, 0);
}
