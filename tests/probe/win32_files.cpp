// The platform's own file services for the end-to-end tests: a settings file
// written by the profile functions, a recorder that a file-type verb can start
// to tell which file it was asked to open, and a file held open.
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

// Opens the --file with no sharing and keeps it open until the probe is ended,
// as a program that holds a file would: it can then be neither replaced nor
// removed.
int HoldCommand(const Arguments& args) {
  const auto path = args.Option(L"file");
  if (!path) {
    PrintError(L"hold needs --file FILE");
    return kBadArguments;
  }
  HANDLE file = CreateFileW(path->c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return kNotDone;
  PrintValue(L"held", *path);
  PrintRecordEnd();
  Sleep(INFINITE);
  return kDone;
}
