// Saving a settings file as a whole, so that at every moment either its old
// content or its new content exists whole.
#pragma once

#include <string>
#include <string_view>

#include "settings_file.h"

namespace zelvane::settings {

// A moment of another program holding the file (a search indexer, a virus
// scanner) is waited out with this many pauses of this length, about a second
// in all.
inline constexpr int kBusyRetries = 10;
inline constexpr int kBusyRetryPauseMs = 100;

// Gives the file at path (which exists, or not, as `exists` says) exactly the
// content bytes. The content goes to a temporary file beside it first, which
// then takes the file's place in one step. A replace that another program
// blocks is tried again for a while; one that still fails, or that lost the
// old file on the way, is finished by moving the temporary file into place.
// The temporary file is removed only while the old file is still there.
// Where no file can be made beside it, the file is written in place.
// kNoAccess says that the place cannot be written at all.
FileError SaveWholeFile(FileSystem& files, const std::wstring& path, std::string_view content,
                        bool exists);

}  // namespace zelvane::settings
