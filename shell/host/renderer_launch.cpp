#include "renderer_launch.h"

#include "shell_names.h"

namespace zelvane::host {

std::wstring RendererPathIn(std::wstring_view programFolder) {
  std::wstring path(programFolder);
  if (path.empty() || path.back() != L'\\') path += L'\\';
  return path + startup::kRendererFileName;
}

std::wstring RendererCommandLine(std::wstring_view rendererPath) {
  return L"\"" + std::wstring(rendererPath) + L"\"";
}

}  // namespace zelvane::host
