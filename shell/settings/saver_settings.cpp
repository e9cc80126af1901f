#include "saver_settings.h"

#include "cp932.h"
#include "cp932_bytes.h"
#include "profile_text.h"
#include "settings_file.h"
#include "text_encoding.h"

namespace Zelvane_B {

std::int16_t BgmKind = 0;
std::int16_t BgmRepeat = 0;
std::wstring BgmFile;
std::wstring BgmFolder;

namespace {

// Names go to the file cut to the same length on reading and writing, so that
// a long name written can be read back under the same name.
std::string NameBytes(const std::wstring& name) {
  return zelvane::WideToCp932(zelvane::CutName(name));
}

}  // namespace

std::wstring ReadIni(const std::wstring& section, const std::wstring& key,
                     const std::wstring& fileName) noexcept {
  try {
    const zelvane::FileContents file = zelvane::ReadWholeFile(fileName);
    if (file.status != zelvane::FileContents::Status::kRead) return {};
    const std::optional<std::string> value = zelvane::FindProfileValue(
        zelvane::Cp932TextOfFile(file.bytes), NameBytes(section), NameBytes(key));
    if (!value) return {};
    return zelvane::Cp932ToWide(zelvane::Cp932Prefix(*value, zelvane::kMaxValueBytes));
  } catch (...) {
    return {};
  }
}

void WriteIni(const std::wstring& section, const std::wstring& key, const std::wstring& value,
              const std::wstring& fileName) noexcept {
  try {
    const zelvane::FileContents file = zelvane::ReadWholeFile(fileName);
    // A file that exists but cannot be read is left alone rather than lose
    // what it holds.
    if (file.status == zelvane::FileContents::Status::kFailed) return;
    const std::optional<std::string> text =
        zelvane::SetProfileValue(zelvane::Cp932TextOfFile(file.bytes), NameBytes(section),
                                 NameBytes(key), zelvane::WideToCp932(value));
    if (!text) return;
    if (file.status == zelvane::FileContents::Status::kRead && *text == file.bytes) return;
    zelvane::ReplaceWholeFile(fileName, *text);
  } catch (...) {
  }
}

void LoadSettings(const std::wstring& programFolder) noexcept {
  try {
    const std::wstring path = zelvane::SettingsFilePath(programFolder);
    const zelvane::StoredSettings stored{
        ReadIni(zelvane::kSettingsSection, zelvane::kBgmKindKey, path),
        ReadIni(zelvane::kSettingsSection, zelvane::kBgmRepeatKey, path),
        ReadIni(zelvane::kSettingsSection, zelvane::kBgmFileKey, path),
    };
    zelvane::MusicSettings settings = zelvane::ResolveMusicSettings(
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
    return !file.empty() && zelvane::OpensAsFileForReading(file);
  } catch (...) {
    return false;
  }
}

}  // namespace Zelvane_B
