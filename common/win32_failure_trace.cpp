// The failure trace's Windows reporter (win32_failure_trace.h); the reporting it
// serves is in failure_trace.cpp.
#include "common/win32_failure_trace.h"

#include <windows.h>

#include <string>
#include <string_view>

#include "common/failure_trace.h"

namespace zelvane {
namespace {

const wchar_t* g_program = L"";

std::wstring WideFromUtf8(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
  return wide;
}

// The system's text for an error code, without its line break; empty when the
// system has none.
std::wstring SystemErrorText(DWORD error) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text(buffer != nullptr ? buffer : L"", length);
  if (buffer != nullptr) LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) {
    text.pop_back();
  }
  return text;
}

void WriteToDebuggerOutput(std::string_view what) {
  // The report must leave the program as it was, its last error included.
  const DWORD error = GetLastError();
  std::wstring line = L"Zelvane ";
  line += g_program;
  line += L": failure: ";
  line += WideFromUtf8(what);
  if (error != ERROR_SUCCESS) {
    line += L": ";
    line += SystemErrorText(error);
    line += L" (error " + std::to_wstring(error) + L")";
  }
  line += L'\n';
  OutputDebugStringW(line.c_str());
  SetLastError(error);
}

}  // namespace

void InstallWin32FailureTrace(const wchar_t* program) noexcept {
  g_program = program;
  SetFailureReporter(WriteToDebuggerOutput);
}

}  // namespace zelvane
