#include "zelvane_b_settings.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;
using namespace Zelvane_B;
using zelvane::kBgmFileKey;
using zelvane::kBgmKindKey;
using zelvane::kBgmRepeatKey;
using zelvane::kSettingsSection;

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A program folder of its own (with Japanese in its name) for each test, and
// a settings file in it.
class SettingsFileTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::temp_directory_path() / (L"ゼルヴェイン設定 " + std::to_wstring(GetCurrentProcessId()) +
                                     L" " + std::to_wstring(counter_++));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    ini_ = zelvane::SettingsFilePath(folder_.wstring());
  }
  void TearDown() override {
    SetFileAttributesW(ini_.c_str(), FILE_ATTRIBUTE_NORMAL);
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  void Write(const std::wstring& key, const std::wstring& value) {
    WriteIni(kSettingsSection, key, value, ini_);
  }
  std::wstring Read(const std::wstring& key) { return ReadIni(kSettingsSection, key, ini_); }

  // Names of the files in the folder, to find leftover temporary files.
  std::vector<std::wstring> FilesInFolder() const {
    std::vector<std::wstring> names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      names.push_back(entry.path().filename().wstring());
    }
    return names;
  }

  static inline int counter_ = 0;
  fs::path folder_;
  std::wstring ini_;
};

TEST_F(SettingsFileTest, WritesTheKeysAsShiftJisBytesOnEverySystem) {
  Write(kBgmKindKey, L"2");
  Write(kBgmRepeatKey, L"3");
  Write(kBgmFileKey, L"C:\\音楽\\a.mp3");
  EXPECT_EQ(ReadBytes(ini_),
            "[Section]\r\n"
            "BGM\x8B\xE6\x95\xAA=2\r\n"
            "BGM\xD8\xCB\xDF\xB0\xC4=3\r\n"
            "BGM\xCC\xA7\xB2\xD9=C:\\\x89\xB9\x8A\x79\\a.mp3\r\n");
  EXPECT_EQ(Read(kBgmKindKey), L"2");
  EXPECT_EQ(Read(kBgmRepeatKey), L"3");
  EXPECT_EQ(Read(kBgmFileKey), L"C:\\音楽\\a.mp3");
  EXPECT_EQ(FilesInFolder(), std::vector<std::wstring>{zelvane::kSettingsFileName});
}

TEST_F(SettingsFileTest, ReadingAMissingFileGivesEmptyAndCreatesNothing) {
  EXPECT_EQ(Read(kBgmKindKey), L"");
  EXPECT_FALSE(fs::exists(ini_));
  Write(kBgmKindKey, L"1");
  EXPECT_EQ(Read(kBgmRepeatKey), L"");
  EXPECT_EQ(ReadIni(L"Other", kBgmKindKey, ini_), L"");
}

TEST_F(SettingsFileTest, LongValuesReadBackCutBetweenCharacters) {
  const std::wstring twoByteChars(200, L'表');
  Write(kBgmFileKey, twoByteChars);
  EXPECT_EQ(Read(kBgmFileKey), std::wstring(127, L'表'));  // 254 bytes
  Write(kBgmFileKey, L"a" + twoByteChars);
  EXPECT_EQ(Read(kBgmFileKey), L"a" + std::wstring(127, L'表'));  // 255 bytes
  Write(kBgmFileKey, std::wstring(300, L'x'));
  EXPECT_EQ(Read(kBgmFileKey), std::wstring(255, L'x'));
}

TEST_F(SettingsFileTest, LongNamesAreCutAlikeOnWritingAndReading) {
  const std::wstring longKey(200, L'k');
  Write(longKey, L"v");
  EXPECT_EQ(Read(longKey), L"v");
  EXPECT_EQ(Read(std::wstring(128, L'k')), L"v");
}

TEST_F(SettingsFileTest, AFileSavedAsUnicodeIsReadAndStoredAsShiftJisAgain) {
  // UTF-16 LE with a byte-order mark, as a modern editor saves it.
  const std::wstring text = L"; mine\r\n[Section]\r\nBGM区分=1\r\nBGMﾘﾋﾟｰﾄ=7\r\n";
  std::string bytes = "\xFF\xFE";
  for (const wchar_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  WriteBytes(ini_, bytes);
  EXPECT_EQ(Read(kBgmRepeatKey), L"7");
  Write(kBgmKindKey, L"0");
  EXPECT_EQ(ReadBytes(ini_),
            "; mine\r\n[Section]\r\n"
            "BGM\x8B\xE6\x95\xAA=0\r\n"
            "BGM\xD8\xCB\xDF\xB0\xC4=7\r\n");
}

TEST_F(SettingsFileTest, LoadSettingsKeepsAMusicFileThatOpens) {
  const fs::path music = folder_ / L"曲.mp3";
  WriteBytes(music, "ID3");
  Write(kBgmKindKey, L"2");
  Write(kBgmRepeatKey, L"1.9");
  Write(kBgmFileKey, music.wstring());
  LoadSettings(folder_.wstring());
  EXPECT_EQ(BgmKind, zelvane::kBgmMusicFile);
  EXPECT_EQ(BgmRepeat, 1);
  EXPECT_EQ(BgmFile, music.wstring());
  EXPECT_EQ(BgmFolder, folder_.wstring());
}

TEST_F(SettingsFileTest, LoadSettingsFallsBackWhenValuesAreUnusable) {
  Write(kBgmKindKey, L"2");
  Write(kBgmRepeatKey, L"-0.5");
  Write(kBgmFileKey, (folder_ / L"missing.mp3").wstring());
  LoadSettings(folder_.wstring());
  EXPECT_EQ(BgmKind, zelvane::kBgmNone);
  EXPECT_EQ(BgmRepeat, -1);
  EXPECT_EQ(BgmFile, L"");
  EXPECT_EQ(BgmFolder, folder_.wstring());

  Write(kBgmKindKey, L"40000");
  Write(kBgmRepeatKey, L"abc");
  LoadSettings(folder_.wstring());
  EXPECT_EQ(BgmKind, 0);
  EXPECT_EQ(BgmRepeat, 0);

  fs::remove(ini_);
  LoadSettings(folder_.wstring());
  EXPECT_EQ(BgmKind, 0);
  EXPECT_EQ(BgmFile, L"");
  EXPECT_EQ(BgmFolder, folder_.wstring());
  EXPECT_FALSE(fs::exists(ini_));
}

TEST_F(SettingsFileTest, FileExistsOnlyForFilesThatOpen) {
  const std::wstring file = (folder_ / L"a.mp3").wstring();
  WriteBytes(file, "x");
  EXPECT_TRUE(FileExists(file));
  EXPECT_TRUE(FileExists(file + L"\\"));
  EXPECT_FALSE(FileExists(folder_.wstring()));
  EXPECT_FALSE(FileExists(folder_.wstring() + L"\\"));
  EXPECT_FALSE(FileExists((folder_ / L"missing.mp3").wstring()));
  EXPECT_FALSE(FileExists(L""));
  EXPECT_FALSE(FileExists(L"\\"));

  EXPECT_EQ(FolderOf(file), folder_.wstring());
  EXPECT_EQ(FolderOf(L"C:\\a.mp3"), L"C:");
}

// Each way the settings file can refuse a write: the old content stays, no
// temporary file is left, and the process carries on.
TEST_F(SettingsFileTest, AFileHeldOpenWithoutShareDeleteKeepsItsContent) {
  Write(kBgmKindKey, L"1");
  const std::string before = ReadBytes(ini_);
  HANDLE held = CreateFileW(ini_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Write(kBgmKindKey, L"2");
  CloseHandle(held);
  EXPECT_EQ(ReadBytes(ini_), before);
  EXPECT_EQ(FilesInFolder(), std::vector<std::wstring>{zelvane::kSettingsFileName});
}

TEST_F(SettingsFileTest, AFileHeldOpenExclusivelyKeepsItsContent) {
  Write(kBgmKindKey, L"1");
  const std::string before = ReadBytes(ini_);
  HANDLE held = CreateFileW(ini_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Write(kBgmKindKey, L"2");
  EXPECT_EQ(Read(kBgmKindKey), L"");
  CloseHandle(held);
  EXPECT_EQ(ReadBytes(ini_), before);
  EXPECT_EQ(FilesInFolder(), std::vector<std::wstring>{zelvane::kSettingsFileName});
}

TEST_F(SettingsFileTest, AReadOnlyFileKeepsItsContent) {
  Write(kBgmKindKey, L"1");
  const std::string before = ReadBytes(ini_);
  ASSERT_TRUE(SetFileAttributesW(ini_.c_str(), FILE_ATTRIBUTE_READONLY));
  Write(kBgmKindKey, L"2");
  EXPECT_EQ(ReadBytes(ini_), before);
  EXPECT_EQ(FilesInFolder(), std::vector<std::wstring>{zelvane::kSettingsFileName});
}

TEST_F(SettingsFileTest, AMissingFolderGetsNoFile) {
  const std::wstring ini = (folder_ / L"missing" / zelvane::kSettingsFileName).wstring();
  WriteIni(kSettingsSection, kBgmKindKey, L"1", ini);
  EXPECT_FALSE(fs::exists(folder_ / L"missing"));
}

// On a Japanese system Windows' own profile functions and ours read each
// other's files.
TEST_F(SettingsFileTest, AgreesWithTheSystemProfileFunctionsOnAJapaneseSystem) {
  if (GetACP() != 932) GTEST_SKIP() << "the system code page is not 932";
  ASSERT_TRUE(
      WritePrivateProfileStringW(kSettingsSection, kBgmFileKey, L"C:\\表\\a.wav", ini_.c_str()));
  ASSERT_TRUE(WritePrivateProfileStringW(L"section", kBgmKindKey, L"2", ini_.c_str()));
  EXPECT_EQ(Read(kBgmFileKey), L"C:\\表\\a.wav");
  EXPECT_EQ(Read(kBgmKindKey), L"2");

  Write(kBgmRepeatKey, L"5");
  Write(kBgmKindKey, L"1");
  wchar_t value[256] = {};
  GetPrivateProfileStringW(kSettingsSection, kBgmRepeatKey, L"", value, 256, ini_.c_str());
  EXPECT_STREQ(value, L"5");
  GetPrivateProfileStringW(kSettingsSection, kBgmKindKey, L"", value, 256, ini_.c_str());
  EXPECT_STREQ(value, L"1");
  GetPrivateProfileStringW(kSettingsSection, kBgmFileKey, L"", value, 256, ini_.c_str());
  EXPECT_STREQ(value, L"C:\\表\\a.wav");
}

}  // namespace
