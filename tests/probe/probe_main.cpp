// zelvane_probe: looks at and drives the windows of a (Wine) desktop for the
// end-to-end tests (tests/e2e/harness/probe.py tells what each command does).
// Arguments are read as wide text and output is UTF-8, so Japanese titles pass
// unchanged whatever the system's code page.
#include <string>
#include <vector>

#include "win32_probe.h"

namespace {
constexpr struct {
  const wchar_t* name;
  int (*run)(const Arguments&);
} kCommands[] = {
    {L"find", FindCommand},
    {L"list", ListCommand},
    {L"wait", WaitCommand},
    {L"foreground", ForegroundCommand},
    {L"activate", ActivateCommand},  // brings another program's window forward
    {L"post", PostCommand},
    {L"text", TextCommand},
    {L"window", TestWindowCommand},
    {L"destroy", DestroyCommand},
    {L"msgbox", ReadMessageBoxCommand},
    {L"press", PressButtonCommand},
    {L"profile-write", ProfileWriteCommand},
    {L"record", RecordCommand},
    {L"hold", HoldCommand},
    {L"shortcut", ShortcutCommand},
};

// Without arguments, the probe stands in for a program that another starts
// with none (the renderer). With ZELVANE_PROBE_STANDIN=no-window in its
// environment it runs on without a window until it is ended; otherwise it
// prints its usage and ends at once.
bool StandsInWithoutAWindow() {
  wchar_t value[16] = {};
  const DWORD n = GetEnvironmentVariableW(L"ZELVANE_PROBE_STANDIN", value, 16);
  return n > 0 && n < 16 && std::wstring(value) == L"no-window";
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 1 && StandsInWithoutAWindow()) {
    for (;;) Sleep(INFINITE);
  }
  const Arguments parsed =
      ParseArguments(std::vector<std::wstring>(argv + 1, argv + argc), {L"gone", L"visible"});
  for (const auto& command : kCommands) {
    if (parsed.error.empty() && parsed.command == command.name) return command.run(parsed);
  }
  PrintError(parsed.error.empty()
                 ? L"usage: zelvane_probe find|list|wait|foreground|post|text|"
                   L"window|destroy|msgbox|press|profile-write|record|hold|shortcut ..."
                 : parsed.error);
  return kBadArguments;
}
