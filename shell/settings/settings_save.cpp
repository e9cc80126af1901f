#include "settings_save.h"

#include <optional>

#include "cp932.h"
#include "profile_text.h"
#include "settings_names.h"
#include "settings_values.h"
#include "text_encoding.h"
#include "whole_file_save.h"

namespace zelvane::settings {
namespace {

// The settings file's text, from fileBytes, with the keys set.
std::string WithTexts(std::string_view fileBytes, const std::vector<SettingText>& texts) {
  std::string text = Cp932TextOfFile(fileBytes);
  const std::string section = NameBytes(kSettingsSection);
  for (const SettingText& setting : texts) {
    std::optional<std::string> changed =
        SetProfileValue(text, section, NameBytes(setting.key), WideToCp932(setting.value));
    if (changed) text = std::move(*changed);
  }
  return text;
}

}  // namespace

SaveOutcome SaveSettingTexts(FileSystem& files, const SettingsPlaces& places,
                             const std::wstring& readFrom, const std::vector<SettingText>& texts) {
  SaveOutcome outcome;
  std::string earlier;  // the content of the file tried before, for a new file to start from
  for (const std::wstring& file : FilesToWrite(places, readFrom)) {
    outcome.tried.push_back(file);
    if (file == places.perUser && files.MakeFolder(FolderOf(file)) != FileError::kNone) continue;
    const FileContents current = files.Read(file);
    if (current.status == FileContents::Status::kFailed) {
      // A file that cannot be read is left alone rather than lose what it holds.
      if (current.error == FileError::kNoAccess) continue;
      break;
    }
    const bool exists = current.status == FileContents::Status::kRead;
    const std::string base = exists ? current.bytes : earlier;
    const std::string text = WithTexts(base, texts);
    if (exists && text == current.bytes) {
      outcome.saved = true;
      break;
    }
    const FileError error = SaveWholeFile(files, file, text, exists);
    if (error == FileError::kNone) {
      outcome.saved = true;
      break;
    }
    if (error != FileError::kNoAccess) break;
    earlier = base;
  }
  return outcome;
}

}  // namespace zelvane::settings
