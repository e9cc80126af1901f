#include "settings_values.h"

#include "settings_names.h"

#include <gtest/gtest.h>

#include <string>

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

TEST(ResolveMusicSettings, ARunForgetsAMusicFileThatDoesNotOpenAndTheDialogKeepsIt) {
  const auto opens = [](const std::wstring& path) { return path == L"C:\\M\\a.mp3"; };
  const MusicSettings kept = ResolveMusicSettings({L"2", L"3", L"C:\\M\\a.mp3"}, opens, L"C:\\S");
  EXPECT_EQ(kept.kind, kBgmMusicFile);
  EXPECT_EQ(kept.folder, L"C:\\M");
  for (const wchar_t* file : {L"", L"C:\\M\\missing.mp3"}) {
    const MusicSettings silent = ResolveMusicSettings({L"2", L"3", file}, opens, L"C:\\S");
    EXPECT_EQ(silent.kind, kBgmNone);
    EXPECT_EQ(silent.file, L"");
    EXPECT_EQ(silent.folder, L"C:\\S");
  }
  // An audio CD needs no file: only the missing file is forgotten.
  const MusicSettings cd = ResolveMusicSettings({L"1", L"4", L"C:\\M\\x.mp3"}, opens, L"C:\\S");
  EXPECT_EQ(cd.kind, kBgmAudioCd);
  EXPECT_EQ(cd.repeat, 4);
  EXPECT_EQ(cd.file, L"");
  EXPECT_EQ(cd.folder, L"C:\\S");
  // The settings dialog keeps a file that is away for now, with its kind.
  const MusicSettings stored = StoredMusicSettings({L"2", L"3", L"C:\\M\\x.mp3"}, L"C:\\S");
  EXPECT_EQ(stored.kind, kBgmMusicFile);
  EXPECT_EQ(stored.repeat, 3);
  EXPECT_EQ(stored.file, L"C:\\M\\x.mp3");
  EXPECT_EQ(stored.folder, L"C:\\M");
}

}  // namespace
}  // namespace zelvane::settings
