// What a shell shortcut (.lnk) starts, read through the shell's own link
// object: its target, arguments, working folder and icon.
#include <objbase.h>
#include <shlobj.h>

#include "win32_probe.h"

int ShortcutCommand(const Arguments& args) {
  if (args.positional.size() != 1) {
    PrintError(L"expected: shortcut FILE.lnk");
    return kBadArguments;
  }
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return kNotDone;
  int status = kNotDone;
  IShellLinkW* link = nullptr;
  IPersistFile* file = nullptr;
  if (SUCCEEDED(
          CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link))) &&
      SUCCEEDED(link->QueryInterface(IID_PPV_ARGS(&file))) &&
      SUCCEEDED(file->Load(args.positional[0].c_str(), STGM_READ))) {
    wchar_t target[MAX_PATH] = {}, arguments[4096] = {}, folder[MAX_PATH] = {};
    wchar_t icon[MAX_PATH] = {};
    int iconIndex = 0;
    // The target by its item list, which keeps every name in Unicode: Wine's
    // GetPath gives the link's ANSI copy of the path, with "?" for names the
    // system's code page lacks.
    PIDLIST_ABSOLUTE item = nullptr;
    if (SUCCEEDED(link->GetIDList(&item)) && item) {
      SHGetPathFromIDListW(item, target);
      CoTaskMemFree(item);
    }
    link->GetArguments(arguments, ARRAYSIZE(arguments));
    link->GetWorkingDirectory(folder, MAX_PATH);
    link->GetIconLocation(icon, MAX_PATH, &iconIndex);
    PrintValue(L"target", target);
    PrintValue(L"arguments", arguments);
    PrintValue(L"working_dir", folder);
    PrintValue(L"icon", icon);
    PrintRecordEnd();
    status = kDone;
  }
  if (file) file->Release();
  if (link) link->Release();
  CoUninitialize();
  return status;
}
