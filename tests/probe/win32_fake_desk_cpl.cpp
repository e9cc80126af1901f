// A stand-in for Windows' display control panel (desk.cpl), which Wine lacks,
// for the end-to-end tests: its InstallScreenSaver, as rundll32 calls it, writes
// the command line it was given to "desk.cpl.log" beside itself and makes the
// named saver the user's screen saver as Windows does, by its short path.
#include <windows.h>

#include <string>

namespace {
HINSTANCE module = nullptr;

void AppendToLog(const std::wstring& line) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(module, path, MAX_PATH);
  const std::wstring log = std::wstring(path) + L".log";
  const std::wstring text = line + L"\n";
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size,
                      nullptr, nullptr);
  HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

void SetDesktopValue(const wchar_t* name, const std::wstring& value) {
  RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", name, REG_SZ, value.c_str(),
                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}
}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) module = instance;
  return TRUE;
}

extern "C" __declspec(dllexport) void CALLBACK
    InstallScreenSaverW(HWND, HINSTANCE, LPWSTR commandLine, int) {
  const std::wstring saver = commandLine ? commandLine : L"";
  AppendToLog(saver);
  wchar_t shortPath[MAX_PATH] = {};
  const DWORD length = GetShortPathNameW(saver.c_str(), shortPath, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  SetDesktopValue(L"SCRNSAVE.EXE", shortPath);
  SetDesktopValue(L"ScreenSaveActive", L"1");
}
