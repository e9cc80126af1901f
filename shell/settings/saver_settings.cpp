#include "saver_settings.h"

#include "cp932.h"
#include "cp932_bytes.h"
#include "profile_text.h"
#include "settings_file.h"
#include "settings_places.h"
#include "text_encoding.h"

namespace zelvane::settings {

std::int16_t BgmKind = 0;
std::int16_t BgmRepeat = 0;
std::wstring BgmFile;
std::wstring BgmFolder;
std::int16_t MonitorKind = kMonitorsEach;

namespace {

// What LoadSettings found: where the settings are kept, the file it read and
// the texts that file held.
SettingsPlaces places;
std::wstring fileRead;
std::wstring programFolderOfLoad;
StoredSettings stored;

void UseMusicSettings(MusicSettings settings) {
  BgmKind = settings.kind;
  BgmRepeat = settings.repeat;
  BgmFile = std::move(settings.file);
  BgmFolder = std::move(settings.folder);
}

}  // namespace

std::wstring ReadIni(const std::wstring& section, const std::wstring& key,
                     const std::wstring& fileName) noexcept {
  try {
    const FileContents file = SystemFiles().Read(fileName);
    if (file.status != FileContents::Status::kRead) return {};
    const std::optional<std::string> value =
        FindProfileValue(Cp932TextOfFile(file.bytes), NameBytes(section), NameBytes(key));
    if (!value) return {};
    return Cp932ToWide(Cp932Prefix(*value, kMaxValueBytes));
  } catch (...) {
    return {};
  }
}

void LoadSettings(const std::wstring& programFolder) noexcept {
  try {
    FileSystem& files = SystemFiles();
    places = SettingsPlacesFor(programFolder, UserAppDataFolder());
    fileRead = FileToRead(places, [&](const std::wstring& file) { return files.IsFile(file); });
    programFolderOfLoad = programFolder;
    stored = {
        ReadIni(kSettingsSection, kBgmKindKey, fileRead),
        ReadIni(kSettingsSection, kBgmRepeatKey, fileRead),
        ReadIni(kSettingsSection, kBgmFileKey, fileRead),
    };
    UseMusicSettings(ResolveMusicSettings(
        stored, [](const std::wstring& file) { return FileExists(file); }, programFolder));
    MonitorKind = SettingNumber(ReadIni(kSettingsSection, kMonitorKindKey, fileRead));
  } catch (...) {
  }
}

void UseStoredMusicChoice() noexcept {
  try {
    UseMusicSettings(StoredMusicSettings(stored, programFolderOfLoad));
  } catch (...) {
  }
}

SaveOutcome SaveSettings(const std::vector<SettingText>& texts) noexcept {
  try {
    return SaveSettingTexts(SystemFiles(), places, fileRead, texts);
  } catch (...) {
    return {};
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
