#include "whole_file_save.h"

namespace zelvane::settings {
namespace {

bool IsBusy(FileError error) {
  return error == FileError::kBusy;
}

// A replace may also be refused for a moment: Windows denies access to a file
// that another program has just opened for deleting or is scanning.
bool MayPass(FileError error) {
  return error == FileError::kBusy || error == FileError::kNoAccess;
}

// Tries an operation again after a pause while it fails in a way that may
// pass, as long as the save has pauses left.
class Retries {
 public:
  explicit Retries(FileSystem& files) : files_(files) {}

  template <class Operation>
  FileError Run(Operation operation, bool (*mayPass)(FileError)) {
    FileError error = operation();
    while (mayPass(error) && left_ > 0) {
      --left_;
      files_.Pause(kBusyRetryPauseMs);
      error = operation();
    }
    return error;
  }

 private:
  FileSystem& files_;
  int left_ = kBusyRetries;
};

}  // namespace

FileError SaveWholeFile(FileSystem& files, const std::wstring& path, std::string_view content,
                        bool exists) {
  Retries retries(files);
  if (exists) {
    const FileError writable = retries.Run([&] { return files.CheckWritable(path); }, IsBusy);
    if (writable != FileError::kNone) return writable;
  }

  const std::wstring temporary = files.TemporaryBeside(path);
  if (const FileError made = files.WriteNew(temporary, content); made != FileError::kNone) {
    files.Remove(temporary);
    if (made != FileError::kNoAccess) return made;
    // No file can be made beside it (a folder without the right to create
    // files): the file itself may still be writable.
    return exists ? files.Overwrite(path, content) : files.WriteNew(path, content);
  }

  const FileError replaced =
      exists ? retries.Run([&] { return files.Replace(path, temporary); }, MayPass)
             : FileError::kMissing;
  if (replaced == FileError::kNone) return FileError::kNone;
  // A new file, or a replace that failed, perhaps after it had taken the old
  // file away: the temporary file takes the file's name.
  const FileError moved = retries.Run([&] { return files.MoveOver(temporary, path); }, MayPass);
  if (moved == FileError::kNone) return FileError::kNone;
  // Without the old file, the temporary file is the only copy of the settings.
  if (!exists || files.IsFile(path)) files.Remove(temporary);
  return exists ? replaced : moved;
}

}  // namespace zelvane::settings
