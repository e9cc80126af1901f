// The settings dialog's decisions: how the music options look for a kind of
// music, how the track number reads and writes, which music file path can be
// stored so that it reads back, and what the user is told when a choice
// cannot be kept.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvane::dialog {

// How the three music options (no music, audio CD, music file) look for a
// kind of music. A kind outside 0..2, possible from a hand-edited settings
// file, selects no option and leaves both the track box and the file button
// disabled.
struct OptionView {
  std::array<bool, 3> selected = {false, false, false};
  bool trackBoxEnabled = false;    // only for audio CD
  bool fileButtonEnabled = false;  // only for a music file
};
OptionView OptionViewFor(std::int16_t kind);

// The track number as the track box shows it: the number without leading
// zeros, and nothing for 0.
std::wstring TrackText(std::int16_t track);

// The track to repeat that the track box's text stands for. A number (blanks
// around it, optional sign, optional fraction) rounds to the nearest whole
// number, halves to the even one: "7" -> 7, "2.5" -> 2, "3.5" -> 4. Any other
// text, the empty one included, gives 0, and so does a number outside
// -32768..32767, which no CD holds and the settings file would read as 0.
std::int16_t TrackNumberFromText(std::wstring_view text);

// Why a chosen music file cannot be stored.
enum class PathRefusal {
  kNone,
  kCharacters,  // a character that code page 932 cannot hold
  kLength,      // more than the settings file keeps of a value
};

// The path to store for a chosen music file, or the reason it cannot be.
struct MusicFilePath {
  std::wstring path;  // empty when refused
  PathRefusal refusal = PathRefusal::kNone;
};

// Whether path, stored in the settings file, reads back as the same text: its
// code page 932 bytes hold every character and there are at most as many as
// the file keeps of a value.
bool ReadsBackFromSettings(std::wstring_view path);

// The chosen path itself when it reads back from the settings file; else its
// short 8.3 form, if shortForm gives one (empty where the volume keeps none)
// that reads back; else refused, with the reason that applies to the chosen
// path.
MusicFilePath MusicFilePathFor(const std::wstring& chosen,
                               const std::function<std::wstring(const std::wstring&)>& shortForm);

// The message that tells the user why the file was refused.
std::wstring_view RefusalText(PathRefusal refusal);

// The message that tells the user that the settings could not be saved, with
// the settings files the save tried, one a line.
std::wstring SaveFailureText(const std::vector<std::wstring>& tried);

}  // namespace zelvane::dialog
