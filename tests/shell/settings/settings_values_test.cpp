#include "settings_values.h"

#include "settings_names.h"

#include <gtest/gtest.h>

#include <string>

namespace zelvane {
namespace {

TEST(SettingNumber, RoundsDownAndRejectsWhatIsNoSixteenBitNumber) {
  const struct {
    const wchar_t* text;
    std::int16_t number;
  } cases[] = {
      {L"1", 1},           {L"1.9", 1},   {L"-0.5", -1}, {L" 2 ", 2},       {L"+3", 3},
      {L".5", 0},          {L"2.", 2},    {L"1e2", 100}, {L"32767", 32767}, {L"-32768", -32768},
      {L"32767.9", 32767}, {L"40000", 0}, {L"32768", 0}, {L"-32768.5", 0},  {L"1e400", 0},
      {L"abc", 0},         {L"", 0},      {L"12abc", 0}, {L"-", 0},         {L"1e", 0},
      {L"１", 0},          {L"0x10", 0},  {L"inf", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
    EXPECT_EQ(SettingNumber(c.text), c.number);
  }
}

TEST(FolderOf, KeepsTheDriveButNoTrailingBackslash) {
  EXPECT_EQ(FolderOf(L"C:\\Music\\a.mp3"), L"C:\\Music");
  EXPECT_EQ(FolderOf(L"C:\\a.mp3"), L"C:");
  EXPECT_EQ(FolderOf(L"C:a.mp3"), L"C:");
  EXPECT_EQ(FolderOf(L"a.mp3"), L"");
  EXPECT_EQ(FolderOf(L"\\\\server\\share\\表\\a.mp3"), L"\\\\server\\share\\表");
}

TEST(SettingsFilePath, IsBesideTheProgram) {
  EXPECT_EQ(SettingsFilePath(L"C:\\Saver"), L"C:\\Saver\\ゼルヴェイン.ini");
  EXPECT_EQ(SettingsFilePath(L"C:\\"), L"C:\\ゼルヴェイン.ini");
}

TEST(CutName, KeepsAtMostTheLongestNameAndWholeCharacters) {
  const std::wstring longName(kMaxNameChars + 5, L'x');
  EXPECT_EQ(CutName(longName).size(), kMaxNameChars);
  EXPECT_EQ(CutName(L"Section"), L"Section");
  if constexpr (sizeof(wchar_t) == 2) {
    std::wstring pair(kMaxNameChars - 1, L'x');
    pair += L"\U0001F3B5";
    EXPECT_EQ(CutName(pair).size(), kMaxNameChars - 1);
  }
}

class ResolveMusicSettingsTest : public testing::Test {
 protected:
  MusicSettings Resolve(const wchar_t* kind, const wchar_t* file) {
    return ResolveMusicSettings({kind, L"3", file}, opens_, L"C:\\Saver");
  }
  std::function<bool(const std::wstring&)> opens_ = [](const std::wstring& path) {
    return path == L"C:\\Music\\a.mp3";
  };
};

TEST_F(ResolveMusicSettingsTest, AFileThatOpensIsKeptWithItsFolder) {
  const MusicSettings settings = Resolve(L"2", L"C:\\Music\\a.mp3");
  EXPECT_EQ(settings.kind, kBgmMusicFile);
  EXPECT_EQ(settings.repeat, 3);
  EXPECT_EQ(settings.file, L"C:\\Music\\a.mp3");
  EXPECT_EQ(settings.folder, L"C:\\Music");
}

TEST_F(ResolveMusicSettingsTest, FileKindWithoutAFileFallsBackToSilence) {
  for (const wchar_t* file : {L"", L"C:\\Music\\missing.mp3"}) {
    const MusicSettings settings = Resolve(L"2", file);
    EXPECT_EQ(settings.kind, kBgmNone);
    EXPECT_EQ(settings.file, L"");
    EXPECT_EQ(settings.folder, L"C:\\Saver");
  }
  // An audio CD needs no file: only the missing file is forgotten.
  const MusicSettings cd = Resolve(L"1", L"C:\\Music\\missing.mp3");
  EXPECT_EQ(cd.kind, kBgmAudioCd);
  EXPECT_EQ(cd.file, L"");
}

}  // namespace
}  // namespace zelvane
