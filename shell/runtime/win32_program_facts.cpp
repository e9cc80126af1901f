#include <windows.h>

#include "command_line.h"
#include "program_facts.h"
#include "win32_path_forms.h"

namespace zelvane::rt {
namespace {

MousePointer g_pointer = MousePointer::kDefault;

// The program's own path as the platform loaded it; empty when it can't say.
std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);  // the name was cut off
  }
}

}  // namespace

std::wstring CommandArguments() {
  // The platform may start the program by its long path or its short one,
  // quoted or not.
  const std::wstring module = ModulePath();
  const std::wstring paths[] = {module, LongPathOf(module), ShortPathOf(module)};
  return ArgumentText(GetCommandLineW(), paths);
}

std::wstring ProgramFolder() {
  return FolderOfPath(ModulePath());
}

int ScreenWidthTwips() {
  return PixelsToTwips(GetSystemMetrics(SM_CXSCREEN));
}
int ScreenHeightTwips() {
  return PixelsToTwips(GetSystemMetrics(SM_CYSCREEN));
}

void SetScreenMousePointer(MousePointer pointer) {
  g_pointer = pointer;
  SetCursor(LoadCursorW(nullptr, pointer == MousePointer::kHourglass ? IDC_WAIT : IDC_ARROW));
}

MousePointer ScreenMousePointer() {
  return g_pointer;
}

}  // namespace zelvane::rt
