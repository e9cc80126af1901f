// Saving the settings: every key in one replace of the file, so that a save
// is never left half done, in the file the settings were read from or, where
// that place cannot be written, in the per-user file.
#pragma once

#include <string>
#include <vector>

#include "settings_file.h"
#include "settings_places.h"

namespace zelvane::settings {

// A key of the settings section and its new value.
struct SettingText {
  std::wstring key;
  std::wstring value;
};

struct SaveOutcome {
  bool saved = false;
  std::vector<std::wstring> tried;  // the files the save tried, in turn
};

// Sets the keys, in the order given, in the file the settings were read from
// (readFrom). Where that is the file beside the program and its place cannot
// be written, the per-user file takes them instead; its folder is made, and a
// new per-user file starts from the content of the file beside the program,
// so that no key is lost on the way. A file that already holds the values is
// left as it is.
SaveOutcome SaveSettingTexts(FileSystem& files, const SettingsPlaces& places,
                             const std::wstring& readFrom, const std::vector<SettingText>& texts);

}  // namespace zelvane::settings
