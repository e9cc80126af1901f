#include "settings_file.h"

#include <windows.h>

namespace zelvane::settings {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// A file handle, closed when it goes out of scope.
class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() { Close(); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;

  bool ok() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  bool Close() {
    const bool closed = !ok() || CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

HANDLE OpenForReading(const std::wstring& path) {
  return CreateFileW(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
}

// Unique per process, so that two shells writing at once do not share one.
std::wstring TemporaryPathBeside(const std::wstring& path) {
  return path + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
}

bool WriteAll(HANDLE file, std::string_view content) {
  while (!content.empty()) {
    const DWORD chunk =
        content.size() > 0x40000000u ? 0x40000000u : static_cast<DWORD>(content.size());
    DWORD written = 0;
    if (!WriteFile(file, content.data(), chunk, &written, nullptr) || written == 0) return false;
    content.remove_prefix(written);
  }
  return true;
}

HANDLE CreateNewFile(const std::wstring& path) {
  return CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                     nullptr);
}

// Writes all of content to file, then closes it; whether all of it arrived.
bool FillAndClose(Handle& file, std::string_view content) {
  const bool written = WriteAll(file.get(), content) && FlushFileBuffers(file.get());
  return file.Close() && written;
}

// Overwrites the existing file at path with content, cutting off what is left
// of the old one. Only needs the right to write that file.
bool WriteInPlace(const std::wstring& path, std::string_view content) {
  Handle file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.ok()) return false;
  const bool written =
      WriteAll(file.get(), content) && SetEndOfFile(file.get()) && FlushFileBuffers(file.get());
  return file.Close() && written;
}

}  // namespace

FileContents ReadWholeFile(const std::wstring& path) {
  FileContents contents;
  Handle file(OpenForReading(path));
  if (!file.ok()) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
      contents.status = FileContents::Status::kMissing;
    }
    return contents;
  }
  LARGE_INTEGER size{};
  if (GetFileType(file.get()) != FILE_TYPE_DISK || !GetFileSizeEx(file.get(), &size)) {
    return contents;
  }
  contents.bytes.resize(static_cast<std::size_t>(size.QuadPart));
  std::size_t filled = 0;
  while (filled < contents.bytes.size()) {
    const std::size_t left = contents.bytes.size() - filled;
    const DWORD chunk = left > 0x40000000u ? 0x40000000u : static_cast<DWORD>(left);
    DWORD read = 0;
    if (!ReadFile(file.get(), contents.bytes.data() + filled, chunk, &read, nullptr)) {
      return contents;
    }
    if (read == 0) break;  // the file shrank meanwhile
    filled += read;
  }
  contents.bytes.resize(filled);
  contents.status = FileContents::Status::kRead;
  return contents;
}

bool ReplaceWholeFile(const std::wstring& path, std::string_view content) {
  // A read-only file keeps its content, as it would if written in place. A
  // replace would not always refuse it: under Wine running as root it replaces
  // a read-only file.
  const DWORD attributes = GetFileAttributesW(path.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (exists && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
  // Nor can a file be saved that another program holds open against writers.
  // Asking first also spares a replace that would fail: under Wine a failed
  // replace keeps the temporary file open, so it could not be removed.
  if (exists && !Handle(CreateFileW(path.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr))
                     .ok()) {
    return false;
  }

  const std::wstring temporary = TemporaryPathBeside(path);
  Handle file(CreateNewFile(temporary));
  if (!file.ok()) {
    // No file can be made beside it (a folder without the right to create
    // files): the file itself may still be writable, as for the system's own
    // profile functions.
    if (exists) return WriteInPlace(path, content);
    Handle created(CreateNewFile(path));
    return created.ok() && FillAndClose(created, content);
  }
  if (!FillAndClose(file, content)) {
    DeleteFileW(temporary.c_str());
    return false;
  }
  // The replaced file keeps its attributes and access rights; a new file
  // takes the temporary's place by name.
  const bool replaced =
      exists ? ReplaceFileW(path.c_str(), temporary.c_str(), nullptr,
                            REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != FALSE
             : MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH) != FALSE;
  if (!replaced) {
    DeleteFileW(temporary.c_str());
    return false;
  }
  // Wine's replace leaves the replacement's own attributes; Windows keeps them.
  if (exists) SetFileAttributesW(path.c_str(), attributes);
  return true;
}

bool OpensAsFileForReading(const std::wstring& path) {
  Handle file(OpenForReading(path));
  return file.ok() && GetFileType(file.get()) == FILE_TYPE_DISK;
}

}  // namespace zelvane::settings
