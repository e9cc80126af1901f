#include "saver_settings.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

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
    fs::create_directories(folder_);
    ini_ = SettingsFilePath(folder_.wstring());
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
  bool OnlyTheSettingsFileIsThere() const {
    return std::distance(fs::directory_iterator(folder_), fs::directory_iterator()) == 1 &&
           fs::exists(ini_);
  }

  static inline int counter_ = 0;
  fs::path folder_;
  std::wstring ini_;
};

TEST_F(SettingsFileTest, WritesAndReadsJapaneseOnEverySystem) {
  EXPECT_EQ(Read(kBgmKindKey), L"");
  EXPECT_FALSE(fs::exists(ini_));  // reading creates nothing
  Write(kBgmFileKey, L"C:\\音楽\\a.mp3");
  EXPECT_EQ(Read(kBgmFileKey), L"C:\\音楽\\a.mp3");
  // A save replaces the file's content and keeps the file with its attributes.
  ASSERT_TRUE(SetFileAttributesW(ini_.c_str(), FILE_ATTRIBUTE_HIDDEN));
  Write(kBgmKindKey, L"0");
  EXPECT_EQ(Read(kBgmKindKey), L"0");
  EXPECT_EQ(GetFileAttributesW(ini_.c_str()) & FILE_ATTRIBUTE_HIDDEN, DWORD{FILE_ATTRIBUTE_HIDDEN});
}

TEST_F(SettingsFileTest, AFileThatRefusesTheWriteKeepsItsContent) {
  Write(kBgmKindKey, L"1");
  const std::string before = ReadBytes(ini_);
  HANDLE held = CreateFileW(ini_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Write(kBgmKindKey, L"2");
  CloseHandle(held);
  EXPECT_EQ(ReadBytes(ini_), before);
  ASSERT_TRUE(SetFileAttributesW(ini_.c_str(), FILE_ATTRIBUTE_READONLY));
  Write(kBgmKindKey, L"2");
  EXPECT_EQ(ReadBytes(ini_), before);
  EXPECT_TRUE(OnlyTheSettingsFileIsThere());

  WriteIni(kSettingsSection, kBgmKindKey, L"1", (folder_ / L"missing\\x.ini").wstring());
  EXPECT_FALSE(fs::exists(folder_ / L"missing"));
}

// Where nothing can be made beside the file (here a folder already holds the
// temporary file's name), the file is written in place, or made at once.
TEST_F(SettingsFileTest, WithoutRoomForATemporaryFileTheFileIsWrittenInPlace) {
  const std::wstring temporary = ini_ + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
  ASSERT_TRUE(CreateDirectoryW(temporary.c_str(), nullptr));
  Write(kBgmFileKey, L"a long name for the music file.mp3");
  EXPECT_EQ(Read(kBgmFileKey), L"a long name for the music file.mp3");
  Write(kBgmFileKey, L"b.mp3");
  EXPECT_EQ(ReadBytes(ini_), "[Section]\r\nBGM\xCC\xA7\xB2\xD9=b.mp3\r\n")
      << "the rest of the longer old content is cut off";
  fs::remove(temporary);
  EXPECT_TRUE(OnlyTheSettingsFileIsThere());
}

// A section that occurs twice: only its first copy is read and written, by
// the system's profile functions and by ours alike.
TEST_F(SettingsFileTest, KeysOnlyInALaterCopyOfTheSectionAreLeftAsTheSystemLeavesThem) {
  const std::string text = "[Section]\r\na=1\r\n[Other]\r\nb=0\r\n[Section]\r\nb=2\r\n";
  const std::wstring system = (folder_ / L"system.ini").wstring();
  std::ofstream(fs::path(ini_), std::ios::binary) << text;
  std::ofstream(fs::path(system), std::ios::binary) << text;
  auto raw = [](const fs::path& path) {
    std::string bytes = ReadBytes(path);
    std::erase_if(bytes, [](char c) { return c == ' ' || c == '\r' || c == '\n'; });
    return bytes;
  };
  EXPECT_EQ(Read(L"b"), L"");
  WritePrivateProfileStringW(L"Section", L"b", L"4", system.c_str());
  Write(L"b", L"4");
  EXPECT_EQ(raw(ini_), raw(system));
  EXPECT_EQ(raw(ini_), "[Section]a=1b=4[Other]b=0[Section]b=2");
}

}  // namespace
