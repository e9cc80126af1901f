// The file operations that the settings need from the system, behind a small
// interface, so that the steps of a save can be followed with a fake.
#pragma once

#include <string>
#include <string_view>

namespace zelvane::settings {

// Why a file operation failed, in the terms the settings act on.
enum class FileError {
  kNone,
  kMissing,      // no such file, or no such folder on the way to it
  kNoAccess,     // the place refuses to be written: no right to it, a read-only file
  kBusy,         // another program holds the file open in a way that blocks the operation
  kOldFileGone,  // a replace failed after it had taken the old file away
  kOther,
};

struct FileContents {
  enum class Status {
    kRead,     // bytes hold the whole file
    kMissing,  // there is no such file
    kFailed,   // the file exists or may exist but could not be read
  } status = Status::kFailed;
  FileError error = FileError::kOther;  // why it could not be read
  std::string bytes;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The whole file at path, read while other programs may go on using it.
  virtual FileContents Read(const std::wstring& path) = 0;
  // Whether path names a file (not a folder).
  virtual bool IsFile(const std::wstring& path) = 0;
  // Whether the existing file at path may be written: it is not read-only
  // and opens for writing.
  virtual FileError CheckWritable(const std::wstring& path) = 0;
  // Makes a file at path (replacing one there) holding exactly content,
  // written through to the disk.
  virtual FileError WriteNew(const std::wstring& path, std::string_view content) = 0;
  // Writes content over the existing file at path, cutting off what is left
  // of the old content.
  virtual FileError Overwrite(const std::wstring& path, std::string_view content) = 0;
  // Puts the file replacement in the place of the existing file at path in
  // one step; the file keeps its attributes and access rights.
  virtual FileError Replace(const std::wstring& path, const std::wstring& replacement) = 0;
  // Renames the file from to path, replacing a file there, written through to
  // the disk.
  virtual FileError MoveOver(const std::wstring& from, const std::wstring& path) = 0;
  virtual void Remove(const std::wstring& path) = 0;
  // Makes the folder at path; a folder that is there already is fine.
  virtual FileError MakeFolder(const std::wstring& path) = 0;
  // A name beside path for the file that is to replace it, unique to the
  // program, so that two programs saving at once do not share one.
  virtual std::wstring TemporaryBeside(const std::wstring& path) = 0;
  // Waits before an operation is tried again.
  virtual void Pause(int milliseconds) = 0;
};

// The system's own files.
FileSystem& SystemFiles();

// Whether path names a file (not a folder or a device) that opens for reading.
bool OpensAsFileForReading(const std::wstring& path);

// The user's roaming application-data folder (%APPDATA%); empty when the
// system cannot tell it.
std::wstring UserAppDataFolder();

}  // namespace zelvane::settings
