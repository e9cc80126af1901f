#include "settings_values.h"

#include "settings_names.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace zelvane::settings {
namespace {

TEST(SettingNumber, RoundsDownAndRejectsWhatIsNoSixteenBitNumber) {
  const struct {
    const wchar_t* text;
    std::int16_t number;
  } cases[] = {
      {L"1.9", 1},         {L"-0.5", -1},       {L" +2 ", 2},  {L"1e2", 100},
      {L"-32768", -32768}, {L"32767.9", 32767}, {L"40000", 0}, {L"-32768.5", 0},
      {L"1e400", 0},       {L"abc", 0},         {L"", 0},      {L"12abc", 0},
      {L"1e", 0},          {L"0x10", 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SettingNumber(c.text), c.number) << testing::PrintToString(std::wstring(c.text));
}

TEST(CutName, CutsLongNamesButNeverBetweenTheHalvesOfAUtf16Pair) {
  EXPECT_EQ(CutName(std::wstring(200, L'k')), std::wstring(128, L'k'));
  const std::wstring pair = {static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00)};
  const std::wstring name = std::wstring(127, L'k') + pair;
  // Only 16-bit wide characters come in pairs.
  EXPECT_EQ(CutName(name).size(), sizeof(wchar_t) == 2 ? 127u : 128u);
}

TEST(FolderOf, KeepsTheDriveButNoTrailingBackslash) {
  EXPECT_EQ(FolderOf(L"C:\\Music\\a.mp3"), L"C:\\Music");
  EXPECT_EQ(FolderOf(L"C:a.mp3"), L"C:");
  EXPECT_EQ(FolderOf(L"a.mp3"), L"");
}

using Music = std::tuple<std::int16_t, std::int16_t, std::wstring, std::wstring>;

Music Fields(const MusicSettings& m) {
  return {m.kind, m.repeat, m.file, m.folder};
}

// A run forgets a music file that does not open, and with it the file kind; an
// audio CD needs no file. The settings dialog keeps a file that is away for now.
TEST(ResolveMusicSettings, ARunForgetsAMusicFileThatDoesNotOpenAndTheDialogKeepsIt) {
  const auto run = [](const StoredSettings& stored) {
    return Fields(ResolveMusicSettings(
        stored, [](const std::wstring& path) { return path == L"C:\\M\\a.mp3"; }, L"C:\\S"));
  };
  EXPECT_EQ(run({L"2", L"3", L"C:\\M\\a.mp3"}),
            (Music{kBgmMusicFile, 3, L"C:\\M\\a.mp3", L"C:\\M"}));
  EXPECT_EQ(run({L"2", L"3", L""}), (Music{kBgmNone, 3, L"", L"C:\\S"}));
  EXPECT_EQ(run({L"2", L"3", L"C:\\M\\x.mp3"}), (Music{kBgmNone, 3, L"", L"C:\\S"}));
  EXPECT_EQ(run({L"1", L"4", L"C:\\M\\x.mp3"}), (Music{kBgmAudioCd, 4, L"", L"C:\\S"}));
  EXPECT_EQ(Fields(StoredMusicSettings({L"2", L"3", L"C:\\M\\x.mp3"}, L"C:\\S")),
            (Music{kBgmMusicFile, 3, L"C:\\M\\x.mp3", L"C:\\M"}));
}

}  // namespace
}  // namespace zelvane::settings
