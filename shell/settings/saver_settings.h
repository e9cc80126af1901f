// Module Zelvane_B, settings part: the shell's music settings, loaded once at
// start-up from the settings file, and the routines that read and save that
// file. The settings file is the per-user one (%APPDATA%\ゼルヴェイン) where
// it exists, else the one beside the program.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings_names.h"
#include "settings_save.h"
#include "settings_values.h"

namespace zelvane::settings {

// Kind of background music: kBgmNone, kBgmAudioCd or kBgmMusicFile.
extern std::int16_t BgmKind;
// Audio-CD track to play over and over; 0 for none.
extern std::int16_t BgmRepeat;
// Full path of the music file; empty unless it could be opened at start-up.
extern std::wstring BgmFile;
// Where the music file chooser opens: BgmFile's folder, else the program folder.
extern std::wstring BgmFolder;
// Which monitors show the field: kMonitorsPrimaryOnly, else every monitor.
extern std::int16_t MonitorKind;

// The value of key in section of the settings file fileName, at most
// kMaxValueBytes bytes of its code page 932 text, cut between characters;
// empty when the file, the section or the key is missing.
std::wstring ReadIni(const std::wstring& section, const std::wstring& key,
                     const std::wstring& fileName) noexcept;

// Fills BgmKind, BgmRepeat, BgmFile, BgmFolder and MonitorKind from the
// settings file of the shell program in programFolder, and keeps in mind which
// file that was.
void LoadSettings(const std::wstring& programFolder) noexcept;

// Sets BgmKind, BgmRepeat, BgmFile and BgmFolder to the music choice as the
// settings file holds it, a music file that does not open now included. The
// settings dialog edits that choice, so that saving it keeps a file on a drive
// that is away for a moment; a run plays nothing for such a file.
void UseStoredMusicChoice() noexcept;

// Saves the keys of the settings section, in the order given, in the file
// that LoadSettings read or, where that place cannot be written, in the
// per-user file (see SaveSettingTexts).
SaveOutcome SaveSettings(const std::vector<SettingText>& texts) noexcept;

// Whether path (less one trailing '\') is a file that opens for reading;
// false for a folder, a missing file or an empty path.
bool FileExists(const std::wstring& path) noexcept;

}  // namespace zelvane::settings
