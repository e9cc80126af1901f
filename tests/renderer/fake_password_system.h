// A password system that logs its calls: f(amily) l(oad) r(unning on) v(erify;
// V while the saver's dialog flag is up) s(topped running) u(nload).
#pragma once

#include <string>

#include "input/dismissal_state.h"
#include "input/password_check.h"

struct FakePassword final : ScreenSaverPasswordSystem {
  bool windows9x = false, verifierPresent = true, allow = true;
  std::string calls;
  const DismissalState* saver = nullptr;
  bool IsWindows9xFamily() override { return calls += 'f', windows9x; }
  bool LoadVerifier() override { return calls += 'l', verifierPresent; }
  bool RunVerifier() override { return calls += saver->passwordDialogActive ? 'V' : 'v', allow; }
  void UnloadVerifier() override { calls += 'u'; }
  void SetScreenSaverRunning(bool running) override { calls += running ? 'r' : 's'; }
};
