#include "settings_places.h"

#include "settings_names.h"
#include "settings_values.h"

namespace zelvane::settings {

SettingsPlaces SettingsPlacesFor(std::wstring_view programFolder, std::wstring_view appDataFolder) {
  SettingsPlaces places{SettingsFilePath(programFolder), {}};
  if (!appDataFolder.empty()) {
    std::wstring folder(appDataFolder);
    if (!folder.ends_with(L'\\')) folder += L'\\';
    places.perUser = SettingsFilePath(folder + kUserSettingsFolderName);
  }
  return places;
}

std::wstring FileToRead(const SettingsPlaces& places,
                        const std::function<bool(const std::wstring&)>& isFile) {
  if (!places.perUser.empty() && isFile(places.perUser)) return places.perUser;
  return places.besideProgram;
}

std::vector<std::wstring> FilesToWrite(const SettingsPlaces& places, const std::wstring& readFrom) {
  std::vector<std::wstring> files{readFrom};
  if (readFrom == places.besideProgram && !places.perUser.empty()) files.push_back(places.perUser);
  return files;
}

}  // namespace zelvane::settings
