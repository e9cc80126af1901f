#include "settings_file.h"

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

namespace zelvane::settings {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// The most that one call reads or writes.
constexpr DWORD kChunkBytes = 0x40000000u;

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

FileError ErrorOf(DWORD error) {
  switch (error) {
    case ERROR_SUCCESS:
      return FileError::kNone;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return FileError::kMissing;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
      return FileError::kNoAccess;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_UNABLE_TO_REMOVE_REPLACED:  // both files keep their names
      return FileError::kBusy;
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT:
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT_2:
      return FileError::kOldFileGone;
    default:
      return FileError::kOther;
  }
}

FileError LastError() {
  return ErrorOf(GetLastError());
}

HANDLE OpenForReading(const std::wstring& path) {
  return CreateFileW(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
}

HANDLE OpenExisting(const std::wstring& path, DWORD access, DWORD share) {
  return CreateFileW(path.c_str(), access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                     nullptr);
}

bool WriteAll(HANDLE file, std::string_view content) {
  while (!content.empty()) {
    const DWORD chunk =
        content.size() > kChunkBytes ? kChunkBytes : static_cast<DWORD>(content.size());
    DWORD written = 0;
    if (!WriteFile(file, content.data(), chunk, &written, nullptr) || written == 0) return false;
    content.remove_prefix(written);
  }
  return true;
}

// Writes all of content to file, cuts off what follows it, flushes it to the
// disk and closes it.
FileError FillAndClose(Handle& file, std::string_view content) {
  const bool written =
      WriteAll(file.get(), content) && SetEndOfFile(file.get()) && FlushFileBuffers(file.get());
  const FileError error = written ? FileError::kNone : LastError();
  if (!file.Close() && error == FileError::kNone) return LastError();
  return error;
}

class SystemFileSystem final : public FileSystem {
 public:
  FileContents Read(const std::wstring& path) override {
    FileContents contents;
    Handle file(OpenForReading(path));
    if (!file.ok()) {
      contents.error = LastError();
      if (contents.error == FileError::kMissing) contents.status = FileContents::Status::kMissing;
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
      const DWORD chunk = left > kChunkBytes ? kChunkBytes : static_cast<DWORD>(left);
      DWORD read = 0;
      if (!ReadFile(file.get(), contents.bytes.data() + filled, chunk, &read, nullptr)) {
        contents.error = LastError();
        return contents;
      }
      if (read == 0) break;  // the file shrank meanwhile
      filled += read;
    }
    contents.bytes.resize(filled);
    contents.status = FileContents::Status::kRead;
    contents.error = FileError::kNone;
    return contents;
  }

  bool IsFile(const std::wstring& path) override {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  }

  FileError CheckWritable(const std::wstring& path) override {
    // A read-only file keeps its content. A replace would not always refuse
    // it: under Wine running as root it replaces a read-only file.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return LastError();
    if (attributes & FILE_ATTRIBUTE_READONLY) return FileError::kNoAccess;
    const Handle file(OpenExisting(path, GENERIC_WRITE, kShareAll));
    return file.ok() ? FileError::kNone : LastError();
  }

  FileError WriteNew(const std::wstring& path, std::string_view content) override {
    Handle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.ok()) return LastError();
    return FillAndClose(file, content);
  }

  FileError Overwrite(const std::wstring& path, std::string_view content) override {
    Handle file(OpenExisting(path, GENERIC_WRITE, FILE_SHARE_READ));
    if (!file.ok()) return LastError();
    return FillAndClose(file, content);
  }

  FileError Replace(const std::wstring& path, const std::wstring& replacement) override {
    // A program that holds the file without letting others delete it makes
    // the replace fail; asking first spares Wine's replace, which leaves an
    // empty file behind each time it fails so.
    if (!Handle(OpenExisting(path, DELETE, kShareAll)).ok() &&
        GetLastError() == ERROR_SHARING_VIOLATION) {
      return FileError::kBusy;
    }
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (!ReplaceFileW(path.c_str(), replacement.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                      nullptr, nullptr)) {
      return LastError();
    }
    // Wine's replace leaves the replacement's own attributes; Windows keeps them.
    if (attributes != INVALID_FILE_ATTRIBUTES) SetFileAttributesW(path.c_str(), attributes);
    return FileError::kNone;
  }

  FileError MoveOver(const std::wstring& from, const std::wstring& path) override {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (!MoveFileExW(from.c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return LastError();
    }
    if (attributes != INVALID_FILE_ATTRIBUTES) SetFileAttributesW(path.c_str(), attributes);
    return FileError::kNone;
  }

  void Remove(const std::wstring& path) override { DeleteFileW(path.c_str()); }

  FileError MakeFolder(const std::wstring& path) override {
    if (CreateDirectoryW(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS) {
      return FileError::kNone;
    }
    return LastError();
  }

  std::wstring TemporaryBeside(const std::wstring& path) override {
    return path + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
  }

  void Pause(int milliseconds) override { Sleep(static_cast<DWORD>(milliseconds)); }
};

}  // namespace

FileSystem& SystemFiles() {
  static SystemFileSystem files;
  return files;
}

bool OpensAsFileForReading(const std::wstring& path) {
  Handle file(OpenForReading(path));
  return file.ok() && GetFileType(file.get()) == FILE_TYPE_DISK;
}

std::wstring UserAppDataFolder() {
  PWSTR folder = nullptr;
  std::wstring result;
  if (SUCCEEDED(
          SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DONT_VERIFY, nullptr, &folder))) {
    result = folder;
  }
  CoTaskMemFree(folder);
  return result;
}

}  // namespace zelvane::settings
