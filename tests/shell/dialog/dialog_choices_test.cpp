#include <gtest/gtest.h>

#include <string>

#include "dialog/dialog_choices.h"

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
      {-1, {false, false, false}, false, false}, {-32768, {false, false, false}, false, false},
  };
  for (const auto& c : cases) {
    const OptionView view = OptionViewFor(c.kind);
    EXPECT_EQ(view.selected, c.selected) << c.kind;
    EXPECT_EQ(view.trackBoxEnabled, c.trackBox) << c.kind;
    EXPECT_EQ(view.fileButtonEnabled, c.fileButton) << c.kind;
  }
}

TEST(TrackText, NoLeadingZerosAndNothingForZero) {
  EXPECT_EQ(TrackText(0), L"");
  EXPECT_EQ(TrackText(5), L"5");
  EXPECT_EQ(TrackText(30), L"30");
  EXPECT_EQ(TrackText(-3), L"-3");
  EXPECT_EQ(TrackText(32767), L"32767");
}

TEST(TrackNumberFromText, NumbersRoundHalvesToEvenAndEverythingElseIsZero) {
  const struct {
    const wchar_t* text;
    std::int16_t track;
  } cases[] = {
      {L"7", 7},
      {L"abc", 0},
      {L"", 0},
      {L"2.5", 2},
      {L"3.5", 4},
      {L"1.5", 2},
      {L"2.4", 2},
      {L"2.6", 3},
      {L"-2.5", -2},
      {L"-3.5", -4},
      {L" 12 ", 12},
      {L"+5", 5},
      {L"07", 7},
      {L"7a", 0},
      {L"a7", 0},
      {L"1 2", 0},
      {L".5", 0},
      {L"5.", 5},
      {L"-", 0},
      {L".", 0},
      {L"32767", 32767},
      {L"32767.4", 32767},
      {L"32767.5", 0},
      {L"32768", 0},
      {L"-32768", -32768},
      {L"-32768.5", -32768},
      {L"-32769", 0},
      {L"99999999999999999999", 0},
      {L"1e2", 100},
      {L"1e999", 0},
      {L"７", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TrackNumberFromText(c.text), c.track)
        << "text '" << std::wstring(c.text).size() << "' chars";
  }
}

std::wstring NoShortForm(const std::wstring&) {
  return {};
}

TEST(ReadsBackFromSettings, ShiftJisPathsUpToTheValueLimit) {
  const std::wstring kanji(126, L'曲');  // two bytes each
  const struct {
    std::wstring path;
    bool readsBack;
  } cases[] = {
      {L"C:\\Music\\a.mp3", true},
      {L"C:\\音楽\\ｿﾅﾀ 第1番.wav", true},
      {L"C:\\" + std::wstring(252, L'a'), true},  // 255 bytes
      {L"C:\\" + std::wstring(253, L'a'), false},
      {L"C:\\" + kanji, true},  // 3 + 252 bytes
      {L"C:\\" + kanji + L"a", false},
      {L"C:\\Música\\a.mp3", false},
      {L"C:\\Ωmega\\a.mp3", true},  // Greek is in code page 932
      {L"C:\\한글\\a.mp3", false},
      {L"C:\\\U0001F3B5.mp3", false},
      {L"C:\\a.mp3 ", false},  // the file would lose the blank
      {L"", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadsBackFromSettings(c.path), c.readsBack) << c.path.size() << " characters";
  }
}

TEST(MusicFilePathFor, StoresThePathItselfTheShortFormOrNothingWithAReason) {
  const std::wstring longPath = L"C:\\" + std::wstring(260, L'b') + L".mp3";
  const std::wstring foreign = L"C:\\Música\\a.mp3";
  const auto shortOf = [](const std::wstring& good) {
    return [good](const std::wstring&) { return good; };
  };
  const auto unasked = [](const std::wstring&) -> std::wstring {
    ADD_FAILURE() << "a path that reads back needs no short form";
    return {};
  };

  const MusicFilePath plain = MusicFilePathFor(L"C:\\音楽\\a.mp3", unasked);
  EXPECT_EQ(plain.path, L"C:\\音楽\\a.mp3");
  EXPECT_EQ(plain.refusal, PathRefusal::kNone);

  const MusicFilePath viaShort = MusicFilePathFor(foreign, shortOf(L"C:\\MSICA~1\\A.MP3"));
  EXPECT_EQ(viaShort.path, L"C:\\MSICA~1\\A.MP3");
  EXPECT_EQ(viaShort.refusal, PathRefusal::kNone);
  EXPECT_EQ(MusicFilePathFor(longPath, shortOf(L"C:\\BBBBBB~1.MP3")).path, L"C:\\BBBBBB~1.MP3");

  const struct {
    std::wstring chosen;
    std::wstring shortForm;
    PathRefusal refusal;
  } refused[] = {
      {foreign, L"", PathRefusal::kCharacters},  // the volume keeps no short names
      {foreign, L"C:\\Música\\A.MP3", PathRefusal::kCharacters},
      {longPath, L"", PathRefusal::kLength},
      {longPath, longPath, PathRefusal::kLength},
      {L"C:\\" + std::wstring(300, L'é'), L"", PathRefusal::kCharacters},
  };
  for (const auto& c : refused) {
    const MusicFilePath result = MusicFilePathFor(c.chosen, shortOf(c.shortForm));
    EXPECT_EQ(result.path, L"");
    EXPECT_EQ(result.refusal, c.refusal);
    EXPECT_FALSE(RefusalText(c.refusal).empty());
  }
  EXPECT_EQ(MusicFilePathFor(foreign, NoShortForm).refusal, PathRefusal::kCharacters);
  EXPECT_EQ(MusicFilePathFor(foreign, nullptr).refusal, PathRefusal::kCharacters);
  EXPECT_NE(RefusalText(PathRefusal::kCharacters), RefusalText(PathRefusal::kLength));
  EXPECT_TRUE(RefusalText(PathRefusal::kNone).empty());
}

}  // namespace
}  // namespace zelvane::dialog
