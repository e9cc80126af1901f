// running_programs: what the installer and the uninstaller use to find and
// close the saver's programs before they replace or remove its files.
//
//   running_programs find FILE...    exit 0: none runs, 1: one or more run
//   running_programs close FILE...   asks them to close, ends those that do
//                                    not; exit 0: none is left, 1: some are
// Exit 2: no FILE given or an unknown command. A windows program, so that no
// console flashes up while the installer runs it.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "win32_running_programs.h"

namespace {
constexpr int kNoneLeft = 0;
constexpr int kSomeLeft = 1;
constexpr int kBadArguments = 2;
// Time the programs have to close by themselves before they are ended.
constexpr DWORD kGraceMs = 3000;
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int count = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!argv) return kBadArguments;
  const std::vector<std::wstring> args(argv + 1, argv + count);
  LocalFree(argv);
  if (args.size() < 2) return kBadArguments;
  const std::vector<std::wstring> files(args.begin() + 1, args.end());
  if (args[0] == L"find") {
    return zelvane::FindRunningPrograms(files).empty() ? kNoneLeft : kSomeLeft;
  }
  if (args[0] == L"close") {
    return zelvane::CloseRunningPrograms(files, kGraceMs) ? kNoneLeft : kSomeLeft;
  }
  return kBadArguments;
}
