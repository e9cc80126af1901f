#include "saver_settings.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "settings_file.h"

namespace {

namespace fs = std::filesystem;
using namespace zelvane::settings;

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SettingsFileTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / (L"ゼルヴェイン設定 " + std::to_wstring(counter_++));
    fs::remove_all(folder_);
    fs::create_directories(folder_ / L"AppData");
    places_ = SettingsPlacesFor(folder_.wstring(), (folder_ / L"AppData").wstring());
    ini_ = places_.besideProgram;
  }
  void TearDown() override {
    SetFileAttributesW(ini_.c_str(), FILE_ATTRIBUTE_NORMAL);
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  // Saves beside the program, as after reading the settings from there.
  bool Save(const std::wstring& key, const std::wstring& value) {
    return SaveSettingTexts(SystemFiles(), places_, ini_, {{key, value}}).saved;
  }
  std::wstring Read(const std::wstring& key) { return ReadIni(kSettingsSection, key, ini_); }
  // Beside the user's folder, which holds no settings file yet.
  bool OnlyTheSettingsFileIsThere() const {
    return std::distance(fs::directory_iterator(folder_), fs::directory_iterator()) == 2 &&
           fs::exists(ini_) && fs::is_empty(folder_ / L"AppData");
  }

  static inline int counter_ = 0;
  fs::path folder_;
  SettingsPlaces places_;
  std::wstring ini_;
};

TEST_F(SettingsFileTest, WritesAndReadsJapaneseOnEverySystem) {
  EXPECT_EQ(Read(kBgmKindKey), L"");
  EXPECT_FALSE(fs::exists(ini_));  // reading creates nothing
  EXPECT_TRUE(Save(kBgmFileKey, L"C:\\音楽\\a.mp3"));
  EXPECT_EQ(Read(kBgmFileKey), L"C:\\音楽\\a.mp3");
  // A save replaces the file's content and keeps the file with its attributes.
  ASSERT_TRUE(SetFileAttributesW(ini_.c_str(), FILE_ATTRIBUTE_HIDDEN));
  EXPECT_TRUE(Save(kBgmKindKey, L"0"));
  EXPECT_EQ(Read(kBgmKindKey), L"0");
  EXPECT_EQ(GetFileAttributesW(ini_.c_str()) & FILE_ATTRIBUTE_HIDDEN, DWORD{FILE_ATTRIBUTE_HIDDEN});
  EXPECT_TRUE(OnlyTheSettingsFileIsThere());
}

// A file held against writers beyond the save's patience keeps its content and
// says so. (A read-only one sending the settings to the per-user file is the
// unit fake's case and the settings end-to-end test's.)
TEST_F(SettingsFileTest, AFileThatRefusesTheWriteKeepsItsContent) {
  EXPECT_TRUE(Save(kBgmKindKey, L"1"));
  EXPECT_TRUE(Save(L"Other", L"kept"));
  const std::string before = ReadBytes(ini_);
  HANDLE held = CreateFileW(ini_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(Save(kBgmKindKey, L"2"));
  CloseHandle(held);
  EXPECT_EQ(ReadBytes(ini_), before);
  EXPECT_TRUE(OnlyTheSettingsFileIsThere());
}

// Where nothing can be made beside the file (here a folder already holds the
// temporary file's name), the file is written in place, or made at once.
TEST_F(SettingsFileTest, WithoutRoomForATemporaryFileTheFileIsWrittenInPlace) {
  const std::wstring temporary = SystemFiles().TemporaryBeside(ini_);
  ASSERT_TRUE(CreateDirectoryW(temporary.c_str(), nullptr));
  EXPECT_TRUE(Save(kBgmFileKey, L"a long name for the music file.mp3"));
  EXPECT_EQ(Read(kBgmFileKey), L"a long name for the music file.mp3");
  EXPECT_TRUE(Save(kBgmFileKey, L"b.mp3"));
  EXPECT_EQ(ReadBytes(ini_), "[Section]\r\nBGM\xCC\xA7\xB2\xD9=b.mp3\r\n")
      << "the rest of the longer old content is cut off";
  fs::remove(temporary);
  EXPECT_TRUE(OnlyTheSettingsFileIsThere());
}

}  // namespace
