// The platform's own file services for the end-to-end tests: a settings file
// written by the profile functions, a recorder that a file-type verb can start
// to tell which file it was asked to open, and a file held open as a search
// indexer or a virus scanner holds it.
#include "win32_probe.h"

int ProfileWriteCommand(const Arguments& args) {
  const auto file = args.Option(L"file"), section = args.Option(L"section");
  const auto key = args.Option(L"key"), value = args.Option(L"value");
  if (!file || !section || !key || !value) {
    PrintError(L"profile-write needs --file, --section, --key and --value");
    return kBadArguments;
  }
  const bool written = WritePrivateProfileStringW(section->c_str(), key->c_str(), value->c_str(),
                                                  file->c_str()) != FALSE;
  // Flushes the profile cache, so the file is complete when the probe ends.
  WritePrivateProfileStringW(nullptr, nullptr, nullptr, file->c_str());
  return written ? kDone : kNotDone;
}

// Appends the arguments to the --to file, in UTF-8, one a line.
int RecordCommand(const Arguments& args) {
  const auto to = args.Option(L"to");
  if (!to) {
    PrintError(L"record needs --to FILE");
    return kBadArguments;
  }
  std::string text;
  for (const std::wstring& arg : args.positional) text += Utf8(arg) + "\n";
  HANDLE file = CreateFileW(to->c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return kNotDone;
  DWORD written = 0;
  const bool ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
  return ok ? kDone : kNotDone;
}

// Holds --file open and prints held=1 once it does. With --share indexer,
// others may read and write the file but not delete, rename or replace it, as
// a search indexer or a virus scanner holds it; otherwise nobody else may open
// it, so it can be neither replaced nor removed. Without --until it is held
// until the probe is ended; with it, it is let go --then milliseconds (default
// 0) after a file matching --until (a path with wildcards) has appeared, or
// after --timeout milliseconds without one (exit status 1).
int HoldCommand(const Arguments& args) {
  const auto file = args.Option(L"file"), until = args.Option(L"until");
  const auto share = args.Option(L"share").value_or(L"none");
  const auto timeout = ReadTimeout(args);
  const auto then = ParseNumber(args.Option(L"then").value_or(L"0"));
  if (!file || (share != L"none" && share != L"indexer") || !timeout || !then ||
      *then > 0x7FFFFFFF) {
    PrintError(
        L"hold needs --file, and takes --share none|indexer, --until PATTERN, "
        L"--then MS and --timeout MS");
    return kBadArguments;
  }
  const DWORD sharing = share == L"indexer" ? FILE_SHARE_READ | FILE_SHARE_WRITE : 0;
  HANDLE held = CreateFileW(file->c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (held == INVALID_HANDLE_VALUE) return kNotDone;
  PrintNumber(L"held", 1);
  PrintRecordEnd();
  if (!until) Sleep(INFINITE);
  const ULONGLONG deadline = GetTickCount64() + *timeout;
  bool seen = false;
  while (!seen && GetTickCount64() < deadline) {
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(until->c_str(), &found);
    seen = search != INVALID_HANDLE_VALUE;
    if (seen)
      FindClose(search);
    else
      Sleep(10);
  }
  if (seen) Sleep(static_cast<DWORD>(*then));
  CloseHandle(held);
  return seen ? kDone : kNotDone;
}
