// The settings file of the saver shell: its name, its one section and its
// keys. The key names are stored as their code page 932 bytes.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zelvane::settings {

// Appended to the program folder, or to the per-user settings folder.
inline constexpr wchar_t kSettingsFileName[] = L"ゼルヴェイン.ini";
// The per-user settings folder, in the user's application-data folder.
inline constexpr wchar_t kUserSettingsFolderName[] = L"ゼルヴェイン";

inline constexpr wchar_t kSettingsSection[] = L"Section";
inline constexpr wchar_t kBgmKindKey[] = L"BGM区分";
inline constexpr wchar_t kBgmRepeatKey[] = L"BGMﾘﾋﾟｰﾄ";
inline constexpr wchar_t kBgmFileKey[] = L"BGMﾌｧｲﾙ";
// Which monitors show the field; not edited by the settings dialog.
inline constexpr wchar_t kMonitorKindKey[] = L"ﾓﾆﾀｰ区分";

// Values of the kind of background music.
inline constexpr std::int16_t kBgmNone = 0;
inline constexpr std::int16_t kBgmAudioCd = 1;
inline constexpr std::int16_t kBgmMusicFile = 2;  // an MP3 or WAV file

// Values of the kind of monitor use: a field on every monitor, or on the
// primary monitor only with the others black. Any other value, or none, means
// every monitor.
inline constexpr std::int16_t kMonitorsEach = 0;
inline constexpr std::int16_t kMonitorsPrimaryOnly = 1;

// A value reads back as at most this many bytes of code page 932 text.
inline constexpr std::size_t kMaxValueBytes = 255;

// Section and key names are cut to this many characters.
inline constexpr std::size_t kMaxNameChars = 128;

}  // namespace zelvane::settings
