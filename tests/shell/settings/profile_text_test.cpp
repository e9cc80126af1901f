#include "profile_text.h"

#include <gtest/gtest.h>

#include <string>

namespace zelvane::settings {
namespace {

const std::string kKind = "BGM\x8B\xE6\x95\xAA";
const std::string kRepeat = "BGM\xD8\xCB\xDF\xB0\xC4";
const std::string kFile = "BGM\xCC\xA7\xB2\xD9";

std::string Set(const std::string& text, const std::string& key, const std::string& value) {
  return SetProfileValue(text, "Section", key, value).value_or("(refused)");
}

// The bytes of a new file show end to end.
TEST(ProfileText, ANewSectionFollowsTheOthersAfterABlankLine) {
  EXPECT_EQ(Set("[Other]\r\na=1", kKind, "1"),
            "[Other]\r\na=1\r\n\r\n[Section]\r\n" + kKind + "=1\r\n");
}

TEST(ProfileText, ReadsAHandEditedFile) {
  const std::string text = "; settings\r\n[Other]\r\n" + kKind +
                           "=9\r\n"
                           "  [ section ]  \r\n"
                           "bgm\x8B\xE6\x95\xAA   =   1  \r\n" +
                           kKind + "=2\r\n\t" + kFile + " = \"C:\\My Music\\a.mp3\"\n" + kRepeat +
                           "='4'";                           // no line end at the end
  EXPECT_EQ(FindProfileValue(text, "Section", kKind), "1");  // the first one wins
  EXPECT_EQ(FindProfileValue(text, "Section", kFile), "C:\\My Music\\a.mp3");
  EXPECT_EQ(FindProfileValue(text, "Section", kRepeat), "4");
  EXPECT_EQ(FindProfileValue(text, "Section", "Missing"), std::nullopt);
  // Only a matching pair of quotes goes.
  EXPECT_EQ(FindProfileValue("[s]\r\na=\"\r\nb=\"x'\r\n", "s", "a"), "\"");
  EXPECT_EQ(FindProfileValue("[s]\r\na=\"\r\nb=\"x'\r\n", "s", "b"), "\"x'");
  EXPECT_EQ(FindProfileValue("[s]\r\nZ=''\r\n", "S", "z"), "");
}

TEST(ProfileText, OnlyTheFirstCopyOfASectionCounts) {
  // A key only in a later copy reads as missing, and is written into the
  // first copy; the later copy stays as it was.
  const std::string text = "[Section]\r\na=1\r\n[Other]\r\nb=0\r\n[section]\r\nb=2\r\na=3\r\n";
  EXPECT_EQ(FindProfileValue(text, "Section", "b"), std::nullopt);
  EXPECT_EQ(SetProfileValue(text, "Section", "b", "4"),
            "[Section]\r\na=1\r\nb=4\r\n[Other]\r\nb=0\r\n[section]\r\nb=2\r\na=3\r\n");
}

TEST(ProfileText, NeverFoldsOrSplitsTwoByteCharacters) {
  // 0x83 0x61 and 0x83 0x41 are different katakana whose second bytes are 'a'
  // and 'A'; the second byte of 0x83 0x5D is ']' and ends no section name.
  const std::string text = "[\x83\x5D]\r\n\x83\x61=small\r\n";
  EXPECT_EQ(FindProfileValue(text, "\x83\x5D", "\x83\x61"), "small");
  EXPECT_EQ(FindProfileValue(text, "\x83\x5D", "\x83\x41"), std::nullopt);
  EXPECT_EQ(SetProfileValue("", "\x83\x5D", "k", "v"), "[\x83\x5D]\r\nk=v\r\n");
}

TEST(ProfileText, WritingKeepsEveryOtherLine) {
  const std::string text = "; comment\r\n[Other]\r\na = 1\r\n\r\n[Section]\r\n" + kKind +
                           " = 1 \r\nunrelated line\r\nx=y\r\n\r\n[Last]\nb=2";
  EXPECT_EQ(Set(text, kKind, "2"), "; comment\r\n[Other]\r\na = 1\r\n\r\n[Section]\r\n" + kKind +
                                       "=2\r\nunrelated line\r\nx=y\r\n\r\n[Last]\r\nb=2\r\n");
  // Lines may end in LF or CR alone; each ends one line.
  EXPECT_EQ(Set("[Section]\n" + kKind + "=1\n\r\r[Last]", kKind, "2"),
            "[Section]\r\n" + kKind + "=2\r\n\r\n\r\n[Last]\r\n");
  // A new key goes after the last key of its section, before blank lines.
  EXPECT_EQ(Set(text, kRepeat, "5"), "; comment\r\n[Other]\r\na = 1\r\n\r\n[Section]\r\n" + kKind +
                                         " = 1 \r\nunrelated line\r\nx=y\r\n" + kRepeat +
                                         "=5\r\n\r\n[Last]\r\nb=2\r\n");
}

TEST(ProfileText, WritingCannotInjectLinesOrBreakTheFile) {
  EXPECT_EQ(Set("", "k", "a\r\n[Evil]\r\nk=b"), "[Section]\r\nk=a\r\n");
  for (const char* section : {"", "a]b", "a\nb"})
    EXPECT_EQ(SetProfileValue("", section, "k", "v"), std::nullopt) << section;
  for (const char* key : {"  ", "a=b", "[a]"})
    EXPECT_EQ(SetProfileValue("", "s", key, "v"), std::nullopt) << key;
}

}  // namespace
}  // namespace zelvane::settings
