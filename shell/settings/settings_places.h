// Where the settings file is kept: beside the program, and where the
// program's folder cannot be written (a saver copied into the system's or the
// programs' folder), in the user's own application-data folder.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvane::settings {

struct SettingsPlaces {
  std::wstring besideProgram;  // the settings file in the program folder
  std::wstring perUser;        // the one in the user's folder; empty when that is unknown
};

// The places for a program in programFolder and a user whose application-data
// folder (%APPDATA%) is appDataFolder.
SettingsPlaces SettingsPlacesFor(std::wstring_view programFolder, std::wstring_view appDataFolder);

// The file the settings are read from: the per-user file when isFile finds
// it, else the one beside the program.
std::wstring FileToRead(const SettingsPlaces& places,
                        const std::function<bool(const std::wstring&)>& isFile);

// The files a save tries in turn: the file the settings were read from, then,
// if that is the one beside the program, the per-user file, for when the
// program's folder cannot be written.
std::vector<std::wstring> FilesToWrite(const SettingsPlaces& places, const std::wstring& readFrom);

}  // namespace zelvane::settings
