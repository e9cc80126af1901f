#include "renderer_launch.h"

#include "main/renderer_arguments.h"
#include "settings_names.h"
#include "shell_names.h"

namespace zelvane::host {

std::wstring RendererPathIn(std::wstring_view programFolder) {
  std::wstring path(programFolder);
  if (path.empty() || path.back() != L'\\') path += L'\\';
  return path + startup::kRendererFileName;
}

std::wstring RendererCommandLine(std::wstring_view rendererPath, std::int16_t monitorKind) {
  std::wstring line = L"\"" + std::wstring(rendererPath) + L"\"";
  if (monitorKind == settings::kMonitorsPrimaryOnly) {
    line += L' ';
    line += kPrimaryOnlyArgument;
  }
  return line;
}

}  // namespace zelvane::host
