#pragma once

#include <string>
#include <vector>

#include "input/dismissal.h"
#include "input/password_check.h"

// The saver window as the dismissal logic sees it: a cursor the test moves and
// a count of close requests posted.
struct FakeSaverWindow final : SaverWindowActions {
  ScreenPoint cursor;
  int closeRequests = 0;
  int cursorHides = 0;

  ScreenPoint CursorPosition() override { return cursor; }
  void HideCursor() override { ++cursorHides; }
  void PostCloseRequest() override { ++closeRequests; }
};

// A password system that logs its calls; "verify" answers `allow`.
struct FakePasswordSystem final : ScreenSaverPasswordSystem {
  bool windows9x = false;
  bool verifierPresent = true;
  bool allow = true;
  std::vector<std::string> calls;
  // Set while the verifier runs, to see the state it runs in.
  const DismissalState* observed = nullptr;
  bool dialogFlagDuringVerify = false;

  bool IsWindows9xFamily() override { return windows9x; }
  bool LoadVerifier() override {
    calls.push_back("load");
    return verifierPresent;
  }
  bool RunVerifier() override {
    calls.push_back("verify");
    if (observed) dialogFlagDuringVerify = observed->passwordDialogActive;
    return allow;
  }
  void UnloadVerifier() override { calls.push_back("unload"); }
  void SetScreenSaverRunning(bool running) override {
    calls.push_back(running ? "running on" : "running off");
  }
};
