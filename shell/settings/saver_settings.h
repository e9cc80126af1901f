// Module Zelvane_B, settings part: the shell's music settings, loaded once at
// start-up from the settings file beside the program, and the routines that
// read and write that file.
#pragma once

#include <cstdint>
#include <string>

#include "settings_names.h"
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

// The value of key in section of the settings file fileName, at most
// kMaxValueBytes bytes of its code page 932 text, cut between characters;
// empty when the file, the section or the key is missing.
std::wstring ReadIni(const std::wstring& section, const std::wstring& key,
                     const std::wstring& fileName) noexcept;

// Sets key in section of fileName to value, creating the file or section as
// needed. The file is replaced as a whole, so a failure (no access, full
// disk, the file held open by another program) leaves it as it was. Reports
// nothing.
void WriteIni(const std::wstring& section, const std::wstring& key, const std::wstring& value,
              const std::wstring& fileName) noexcept;

// Fills BgmKind, BgmRepeat, BgmFile and BgmFolder from the settings file in
// programFolder (the folder of the shell program).
void LoadSettings(const std::wstring& programFolder) noexcept;

// Whether path (less one trailing '\') is a file that opens for reading;
// false for a folder, a missing file or an empty path.
bool FileExists(const std::wstring& path) noexcept;

}  // namespace zelvane::settings
