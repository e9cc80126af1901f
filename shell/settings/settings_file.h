// The file operations that the settings routines need from the system.
#pragma once

#include <string>
#include <string_view>

namespace zelvane::settings {

struct FileContents {
  enum class Status {
    kRead,     // bytes hold the whole file
    kMissing,  // there is no such file
    kFailed,   // the file exists or may exist but could not be read
  } status = Status::kFailed;
  std::string bytes;
};

// The whole file at path, read while other programs may go on using it.
FileContents ReadWholeFile(const std::wstring& path);

// Gives the file at path exactly the content bytes, creating it if missing.
// The content goes to a temporary file beside it first, which then takes the
// file's place in one step, keeping the file's attributes and access rights:
// whatever happens, the file holds either its old or its new content. Where
// no file can be made beside it, the file is written in place. A read-only
// file is left alone; a write that fails removes its temporary file. Returns
// whether the file was replaced.
bool ReplaceWholeFile(const std::wstring& path, std::string_view content);

// Whether path names a file (not a folder or a device) that opens for reading.
bool OpensAsFileForReading(const std::wstring& path);

}  // namespace zelvane::settings
