#include <windows.h>

#include "command_line.h"
#include "program_facts.h"

namespace zelvane::rt {
namespace {

MousePointer g_pointer = MousePointer::kDefault;

}  // namespace

std::wstring CommandArguments() {
  return ArgumentText(GetCommandLineW());
}

std::wstring ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      return FolderOfPath(path);
    }
    path.resize(path.size() * 2);  // the name was cut off
  }
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
