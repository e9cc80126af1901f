// zelvane_probe: looks at and drives the windows of a (Wine) desktop for the
// end-to-end tests. Arguments are read as wide text and output is UTF-8, so
// Japanese titles pass unchanged whatever the system's code page.
#include <windows.h>

#include <string>
#include <vector>

#include "probe_commands.h"
#include "win32_output.h"

namespace {

constexpr wchar_t kUsage[] =
    L"usage: zelvane_probe COMMAND ...\n"
    L"  find [--title T] [--class C] [--parent HWND] [--visible]\n"
    L"                                                 matching windows (exit 1 if none)\n"
    L"  list [--parent HWND] [--visible]               every top-level (or child) window\n"
    L"  wait [--title T] [--class C] [--parent HWND] [--visible] [--gone] [--timeout MS]\n"
    L"  foreground                                     the foreground window\n"
    L"  post HWND MESSAGE [WPARAM [LPARAM]]            MESSAGE: a number or WM_CLOSE etc.\n"
    L"  text HWND                                      the window's text (WM_GETTEXT)\n"
    L"  window [--width W] [--height H] [--x X] [--y Y] [--title T] [--color RRGGBB]\n"
    L"                                                 a test window, alive until destroyed\n"
    L"  destroy HWND                                   destroy a test window of the probe\n"
    L"  msgbox [--title T] [--pid PID] [--timeout MS]  read a message box\n"
    L"  press --button LABEL [--title T] [--pid PID] [--timeout MS]\n"
    L"  show-msgbox [--title T] [--text X] [--icon] [--buttons ok|okcancel|yesno]\n"
    L"  profile-write --file F --section S --key K --value V\n"
    L"                                                 WritePrivateProfileStringW\n"
    L"  record --to FILE ARG...                        append the arguments to FILE\n";

struct Command {
  const wchar_t* name;
  int (*run)(const Arguments&);
};

constexpr Command kCommands[] = {
    {L"find", FindCommand},
    {L"list", ListCommand},
    {L"wait", WaitCommand},
    {L"foreground", ForegroundCommand},
    {L"post", PostCommand},
    {L"window", TestWindowCommand},
    {L"destroy", DestroyCommand},
    {L"msgbox", ReadMessageBoxCommand},
    {L"press", PressButtonCommand},
    {L"show-msgbox", ShowMessageBoxCommand},
    {L"profile-write", ProfileWriteCommand},
    {L"record", RecordCommand},
    {L"text", TextCommand},
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::wstring> args(argv + 1, argv + argc);
  Arguments parsed = ParseArguments(args, {L"gone", L"icon", L"visible"});
  if (!parsed.error.empty()) {
    PrintError(parsed.error);
    return kBadArguments;
  }
  for (const Command& command : kCommands) {
    if (parsed.command == command.name) return command.run(parsed);
  }
  PrintError(kUsage);
  return kBadArguments;
}
