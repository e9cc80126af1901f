// Main: the shell's start-up procedure. It runs with errors suppressed: a
// step that fails is abandoned and the next one runs.
#include <windows.h>

#include <string>

#include "dialog/settings_dialog.h"
#include "host/preview_window.h"
#include "host/renderer_launch.h"
#include "host/saver_host.h"
#include "runtime/errors_suppressed.h"
#include "runtime/program_facts.h"
#include "runtime/win32_program.h"
#include "saver_settings.h"
#include "shell_names.h"
#include "startup_mode.h"
#include "startup_state.h"

namespace zelvane::startup {
namespace {

namespace rt = zelvane::rt;

constexpr wchar_t kRendererMissingText[] = L"ゼルヴェイン.dll が同じﾌｫﾙﾀﾞに見つかりません！";

// The saver host or the settings dialog of another shell is open.
bool AnotherShellIsOpen() {
  return FindWindowW(nullptr, kSaverHostTitle) != nullptr ||
         FindWindowW(nullptr, kSettingsDialogTitle) != nullptr;
}

// Window handles carry 32 significant bits and widen with their sign.
HWND WindowFromNumber(std::int32_t number) {
  return reinterpret_cast<HWND>(static_cast<INT_PTR>(number));
}

void AttachPreview(const std::wstring& arguments) {
  const HWND parent = WindowFromNumber(PreviewParentHandle(arguments));
  // A preview with no window to live in would never be seen nor closed.
  if (!IsWindow(parent)) rt::EndProgram();
  host::AttachPreviewWindow(parent);
  // The live preview draws between messages until it goes.
  host::RunPreviewFrames();
}

void RequireRenderer() {
  if (settings::FileExists(host::RendererPathIn(rt::ProgramFolder()))) return;
  MessageBoxW(nullptr, kRendererMissingText, std::wstring(rt::kApplicationTitle).c_str(), MB_OK);
  rt::EndProgram();
}

void ShowSettingsDialog() {
  dialog::Zelvane_P dialog;
  dialog.Show(rt::ShowMode::kModal);
}

}  // namespace

void Main() {
  rt::Attempt([] {
    if (AnotherShellIsOpen()) rt::EndProgram();
  });

  const std::wstring arguments = rt::CommandArguments();
  const StartupMode mode = StartupModeFor(arguments);
  if (mode == StartupMode::kPreview) {
    rt::Attempt([&] { AttachPreview(arguments); });
    return;
  }

  rt::Attempt([] { settings::LoadSettings(rt::ProgramFolder()); });
  rt::Attempt(RequireRenderer);

  switch (mode) {
    case StartupMode::kConfigure:
      rt::Attempt(ShowSettingsDialog);
      rt::EndProgram();
    case StartupMode::kRunCursorHidden:
      CursorAtRunStart(mode, SystemCursor());
      rt::Attempt(host::LoadSaverHost);
      return;
    case StartupMode::kPreview:
    case StartupMode::kEnd:
      rt::EndProgram();
  }
}

}  // namespace zelvane::startup
