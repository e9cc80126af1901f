#include "saver_settings.h"

#include "cp932.h"
#include "cp932_bytes.h"
#include "profile_text.h"
#include "settings_file.h"
#include "text_encoding.h"

namespace zelvane::settings {

std::int16_t BgmKind = 0;
std::int16_t BgmRepeat = 0;
std::wstring BgmFile;
std::wstring BgmFolder;

namespace {

// Names go to the file cut to the same length on reading and writing, so that
// a long name written can be read back under the same name.
std::string NameBytes(const std::wstring& name) {
  return WideToCp932(CutName(name));
}

}  // namespace

std::wstring ReadIni(const std::wstring& section, const std::wstring& key,
                     const std::wstring& fileName) noexcept {
  try {
    const FileContents file = ReadWholeFile(fileName);
    if (file.status != FileContents::Status::kRead) return {};
    const std::optional<std::string> value =
        FindProfileValue(Cp932TextOfFile(file.bytes), NameBytes(section), NameBytes(key));
    if (!value) return {};
    return Cp932ToWide(Cp932Prefix(*value, kMaxValueBytes));
  } catch (...) {
    return {};
  }
}

void WriteIni(const std::wstring& section, const std::wstring& key, const std::wstring& value,
              const std::wstring& fileName) noexcept {
  try {
    const FileContents file = ReadWholeFile(fileName);
    // A file that exists but cannot be read is left alone rather than lose
    // what it holds.
    if (file.status == FileContents::Status::kFailed) return;
    const std::optional<std::string> text = SetProfileValue(
        Cp932TextOfFile(file.bytes), NameBytes(section), NameBytes(key), WideToCp932(value));
    if (!text) return;
    if (file.status == FileContents::Status::kRead && *text == file.bytes) return;
    ReplaceWholeFile(fileName, *text);
  } catch (...) {
  }
}

void LoadSettings(const std::wstring& programFolder) noexcept {
  try {
    const std::wstring path = SettingsFilePath(programFolder);
    const StoredSettings stored{
        ReadIni(kSettingsSection, kBgmKindKey, path),
        ReadIni(kSettingsSection, kBgmRepeatKey, path),
        ReadIni(kSettingsSection, kBgmFileKey, path),
    };
    MusicSettings settings = ResolveMusicSettings(
        stored, [](const std::wstring& file) { return FileExists(file); }, programFolder);
    BgmKind = settings.kind;
    BgmRepeat = settings.repeat;
    BgmFile = std::move(settings.file);
    BgmFolder = std::move(settings.folder);
  } catch (...) {
  }
}

bool FileExists(const std::wstring& path) noexcept {
  try {
    std::wstring file = path;
    if (file.ends_with(L'\\')) file.pop_back();
    return !file.empty() && OpensAsFileForReading(file);
  } catch (...) {
    return false;
  }
}

}  // namespace zelvane::settings
