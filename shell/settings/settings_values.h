// How the stored settings texts become the shell's settings, and the path
// rules that go with them.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zelvane::settings {

// The decimal number that text spells as a whole (blanks around it allowed,
// optional sign, optional fraction and exponent), or nothing.
std::optional<double> DecimalNumber(std::wstring_view text);

// The number a stored setting stands for: a decimal number (optional sign,
// optional fraction and exponent, blanks around it allowed) rounded down,
// e.g. "1.9" -> 1 and "-0.5" -> -1. Empty text, text that is not a number,
// and numbers outside -32768..32767 give 0.
std::int16_t SettingNumber(std::wstring_view text);

// The folder part of path: everything before its last ':' or '\', keeping
// the ':' of a drive but not a trailing '\'. C:\Music\a.mp3 -> C:\Music,
// C:\a.mp3 -> C:, C:a.mp3 -> C:, a.mp3 -> empty.
std::wstring FolderOf(std::wstring_view path);

// The settings file in programFolder (which may end in '\' at a drive root).
std::wstring SettingsFilePath(std::wstring_view programFolder);

// name cut to kMaxNameChars characters, a surrogate pair kept whole.
std::wstring_view CutName(std::wstring_view name);

// A section or key name as the settings file holds it: cut, in code page 932.
// Names are cut alike on reading and writing, so that a long name written
// reads back under the same name.
std::string NameBytes(std::wstring_view name);

// The music settings as the shell uses them.
struct MusicSettings {
  std::int16_t kind = 0;
  std::int16_t repeat = 0;
  std::wstring file;
  std::wstring folder;  // where the file chooser opens
};

// The texts read from the settings file; empty when missing.
struct StoredSettings {
  std::wstring kind;
  std::wstring repeat;
  std::wstring file;
};

// The settings from the stored texts, for a saver run. A music file that
// fileOpens rejects is forgotten; the file kind then falls back to no music,
// so the saver runs silent. The folder is the music file's, else the program
// folder.
MusicSettings ResolveMusicSettings(const StoredSettings& stored,
                                   const std::function<bool(const std::wstring&)>& fileOpens,
                                   const std::wstring& programFolder);

// The settings from the stored texts as the settings dialog shows and saves
// them: a music file that does not open now (on a drive that is away for a
// moment) keeps its path and its kind, so that a save does not lose them.
MusicSettings StoredMusicSettings(const StoredSettings& stored, const std::wstring& programFolder);

}  // namespace zelvane::settings
