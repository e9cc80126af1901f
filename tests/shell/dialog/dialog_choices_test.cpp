#include "dialog/dialog_choices.h"

#include <gtest/gtest.h>

#include <string>

namespace zelvane::dialog {
namespace {

TEST(OptionViewFor, OneOptionSelectedAndOnlyItsOwnControlEnabled) {
  const struct {
    std::int16_t kind;
    std::array<bool, 3> selected;
    bool trackBox, fileButton;
  } cases[] = {
      {0, {true, false, false}, false, false},   // no music
      {1, {false, true, false}, true, false},    // audio CD
      {2, {false, false, true}, false, true},    // music file
      {3, {false, false, false}, false, false},  // from a hand-edited file
  };
  for (const auto& c : cases) {
    const OptionView view = OptionViewFor(c.kind);
    EXPECT_EQ(view.selected, c.selected) << c.kind;
    EXPECT_EQ(view.trackBoxEnabled, c.trackBox) << c.kind;
    EXPECT_EQ(view.fileButtonEnabled, c.fileButton) << c.kind;
  }
}

// Shown without leading zeros and as nothing for 0; read back rounding halves
// to even, with 0 for anything else, a number outside 16 bits included.
TEST(TrackNumber, TextBothWays) {
  EXPECT_EQ(TrackText(0), L"");
  EXPECT_EQ(TrackText(-3), L"-3");
  const struct {
    const wchar_t* text;
    std::int16_t track;
  } cases[] = {
      // clang-format off
      {L"7", 7}, {L"abc", 0}, {L"", 0}, {L"2.5", 2}, {L"3.5", 4}, {L"2.6", 3}, {L"-2.5", -2},
      {L"-3.5", -4}, {L" 12 ", 12}, {L"7a", 0}, {L"32767.4", 32767}, {L"32767.5", 0},
      {L"-32768.5", -32768}, {L"-32769", 0}, {L"1e999", 0}, {L"７", 0},
      // clang-format on
  };
  for (const auto& c : cases)
    EXPECT_EQ(TrackNumberFromText(c.text), c.track) << testing::PrintToString(std::wstring(c.text));
}

// The path itself when it reads back from the settings file (Shift-JIS, at most
// 255 bytes, no blanks at the ends), else its short form if that does.
TEST(MusicFilePathFor, ThePathItselfTheShortFormOrNothingWithAReason) {
  const std::wstring kanji = L"C:\\" + std::wstring(126, L'曲');  // 3 + 252 bytes
  const std::wstring longPath = L"C:\\" + std::wstring(260, L'b') + L".mp3";
  const std::wstring foreign = L"C:\\Música\\a.mp3", none;
  const struct {
    std::wstring chosen, shortForm, stored;
    PathRefusal refusal;
  } cases[] = {
      {L"C:\\音楽\\ｿﾅﾀ 第1番.wav", L"C:\\A.WAV", L"C:\\音楽\\ｿﾅﾀ 第1番.wav", PathRefusal::kNone},
      {L"C:\\" + std::wstring(252, L'a'), none, L"C:\\" + std::wstring(252, L'a'),
       PathRefusal::kNone},
      {L"C:\\" + std::wstring(253, L'a'), none, none, PathRefusal::kLength},
      {kanji + L"a", none, none, PathRefusal::kLength},
      {L"C:\\a.mp3 ", none, none, PathRefusal::kCharacters},  // the file would lose the blank
      {foreign, L"C:\\MSICA~1\\A.MP3", L"C:\\MSICA~1\\A.MP3", PathRefusal::kNone},
      {longPath, L"C:\\BBBBBB~1.MP3", L"C:\\BBBBBB~1.MP3", PathRefusal::kNone},
      {foreign, L"C:\\Música\\A.MP3", none, PathRefusal::kCharacters},
      {longPath, longPath, none, PathRefusal::kLength},
  };
  for (const auto& c : cases) {
    const MusicFilePath result =
        MusicFilePathFor(c.chosen, [&](const std::wstring&) { return c.shortForm; });
    EXPECT_EQ(result.path, c.stored) << c.chosen.size() << " characters";
    EXPECT_EQ(result.refusal, c.refusal) << c.chosen.size() << " characters";
    EXPECT_EQ(ReadsBackFromSettings(c.chosen), c.stored == c.chosen);
  }
  EXPECT_EQ(MusicFilePathFor(foreign, nullptr).refusal, PathRefusal::kCharacters);
  EXPECT_NE(RefusalText(PathRefusal::kCharacters), RefusalText(PathRefusal::kLength));
}

// The message names every settings file the save tried, each on a line of its own.
TEST(SaveFailureText, NamesWhereTheSaveTried) {
  const std::wstring text = SaveFailureText({L"C:\\Saver\\a.ini", L"C:\\Users\\b.ini"});
  EXPECT_TRUE(text.starts_with(L"設定を保存できませんでした。"));
  EXPECT_NE(text.find(L"\r\nC:\\Saver\\a.ini\r\nC:\\Users\\b.ini\r\n"), std::wstring::npos);
}

}  // namespace
}  // namespace zelvane::dialog
