#include "settings_file.h"

#include <windows.h>

namespace zelvane {
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

bool WriteNewFile(const std::wstring& path, std::string_view content) {
  Handle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.ok()) return false;
  const bool written = WriteAll(file.get(), content) && FlushFileBuffers(file.get());
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
  // A read-only file keeps its content, as it would if written in place. The
  // rename below would not always refuse it: under Wine running as root it
  // replaces a read-only file.
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    return false;
  }
  const std::wstring temporary = TemporaryPathBeside(path);
  if (WriteNewFile(temporary, content) &&
      MoveFileExW(temporary.c_str(), path.c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  DeleteFileW(temporary.c_str());
  return false;
}

bool OpensAsFileForReading(const std::wstring& path) {
  Handle file(OpenForReading(path));
  return file.ok() && GetFileType(file.get()) == FILE_TYPE_DISK;
}

}  // namespace zelvane
