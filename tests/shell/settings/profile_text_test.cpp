#include "profile_text.h"

#include <gtest/gtest.h>

#include <string>

namespace zelvane {
namespace {

// The section and the keys as code page 932 bytes.
const std::string kSection = "Section";
const std::string kKind = "BGM\x8B\xE6\x95\xAA";
const std::string kRepeat = "BGM\xD8\xCB\xDF\xB0\xC4";
const std::string kFile = "BGM\xCC\xA7\xB2\xD9";

std::string Set(const std::string& text, const std::string& key, const std::string& value) {
  std::optional<std::string> result = SetProfileValue(text, kSection, key, value);
  EXPECT_TRUE(result.has_value());
  return result.value_or(text);
}

TEST(ProfileText, NewFileHoldsTheSectionAndKeysInOrderWithCrLf) {
  std::string text;
  text = Set(text, kKind, "2");
  text = Set(text, kRepeat, "3");
  text = Set(text, kFile, "C:\\Music\\a.mp3");
  EXPECT_EQ(text,
            "[Section]\r\n"
            "BGM\x8B\xE6\x95\xAA=2\r\n"
            "BGM\xD8\xCB\xDF\xB0\xC4=3\r\n"
            "BGM\xCC\xA7\xB2\xD9=C:\\Music\\a.mp3\r\n");
  EXPECT_EQ(FindProfileValue(text, kSection, kRepeat), "3");

  // Writing again replaces the value where it stands.
  EXPECT_EQ(Set(text, kKind, "0"),
            "[Section]\r\n"
            "BGM\x8B\xE6\x95\xAA=0\r\n"
            "BGM\xD8\xCB\xDF\xB0\xC4=3\r\n"
            "BGM\xCC\xA7\xB2\xD9=C:\\Music\\a.mp3\r\n");
}

TEST(ProfileText, ReadsAHandEditedFile) {
  const std::string text =
      "; settings\r\n"
      "[Other]\r\n"
      "BGM\x8B\xE6\x95\xAA=9\r\n"
      "  [ section ]  \r\n"
      "bgm\x8B\xE6\x95\xAA   =   1  \r\n"
      "BGM\x8B\xE6\x95\xAA=2\r\n"
      "\tBGM\xCC\xA7\xB2\xD9 = \"C:\\My Music\\a.mp3\"\n"
      "BGM\xD8\xCB\xDF\xB0\xC4='4'";                        // no line end at the end
  EXPECT_EQ(FindProfileValue(text, kSection, kKind), "1");  // first in the section wins
  EXPECT_EQ(FindProfileValue(text, kSection, kFile), "C:\\My Music\\a.mp3");
  EXPECT_EQ(FindProfileValue(text, kSection, kRepeat), "4");
  EXPECT_EQ(FindProfileValue(text, "Other", kKind), "9");
  EXPECT_EQ(FindProfileValue(text, kSection, "Missing"), std::nullopt);
  EXPECT_EQ(FindProfileValue(text, "Missing", kKind), std::nullopt);
  EXPECT_EQ(FindProfileValue("", kSection, kKind), std::nullopt);
}

TEST(ProfileText, QuotesGoOnlyInMatchingPairs) {
  EXPECT_EQ(FindProfileValue("[s]\r\nk=\"\"\"\r\n", "s", "k"), "\"");
  EXPECT_EQ(FindProfileValue("[s]\r\nk=\"a'\r\n", "s", "k"), "\"a'");
  EXPECT_EQ(FindProfileValue("[s]\r\nk=\"\r\n", "s", "k"), "\"");
  EXPECT_EQ(FindProfileValue("[s]\r\nk=\r\n", "s", "k"), "");
}

TEST(ProfileText, NeverFoldsOrSplitsTwoByteCharacters) {
  // 0x83 0x61 is a katakana whose second byte is 'a'; 0x83 0x41 (second byte
  // 'A') is a different katakana and must not match it.
  const std::string text = "[\x83\x5D]\r\n\x83\x61=small\r\n";
  EXPECT_EQ(FindProfileValue(text, "\x83\x5D", "\x83\x61"), "small");
  EXPECT_EQ(FindProfileValue(text, "\x83\x5D", "\x83\x41"), std::nullopt);
  // The ']' (0x5D) inside the section name above is a second byte, not the
  // end of the header.
  // Single-byte ASCII letters still fold.
  EXPECT_EQ(FindProfileValue("[SECTION]\r\nkEy=v\r\n", "section", "KEY"), "v");
}

TEST(ProfileText, WritingKeepsEveryOtherLine) {
  const std::string text =
      "; comment\r\n"
      "[Other]\r\n"
      "a = 1\r\n"
      "\r\n"
      "[Section]\r\n"
      "BGM\x8B\xE6\x95\xAA = 1 \r\n"
      "unrelated line\r\n"
      "x=y\r\n"
      "\r\n"
      "[Last]\n"
      "b=2";
  EXPECT_EQ(Set(text, kKind, "2"),
            "; comment\r\n[Other]\r\na = 1\r\n\r\n[Section]\r\n"
            "BGM\x8B\xE6\x95\xAA=2\r\n"
            "unrelated line\r\nx=y\r\n\r\n[Last]\r\nb=2\r\n");
  // A new key goes after the last key of its section, before blank lines.
  EXPECT_EQ(Set(text, kRepeat, "5"),
            "; comment\r\n[Other]\r\na = 1\r\n\r\n[Section]\r\n"
            "BGM\x8B\xE6\x95\xAA = 1 \r\n"
            "unrelated line\r\nx=y\r\n"
            "BGM\xD8\xCB\xDF\xB0\xC4=5\r\n"
            "\r\n[Last]\r\nb=2\r\n");
}

TEST(ProfileText, NewSectionGoesAtTheEnd) {
  EXPECT_EQ(Set("[Other]\r\na=1", kKind, "1"),
            "[Other]\r\na=1\r\n\r\n[Section]\r\nBGM\x8B\xE6\x95\xAA=1\r\n");
  EXPECT_EQ(Set("[Section]", kKind, "1"), "[Section]\r\nBGM\x8B\xE6\x95\xAA=1\r\n");
}

TEST(ProfileText, WritingCannotInjectLinesOrBreakTheFile) {
  const std::string text = Set("", "k", "a\r\n[Evil]\r\nk=b");
  EXPECT_EQ(text, "[Section]\r\nk=a\r\n");
  EXPECT_EQ(SetProfileValue("", "", "k", "v"), std::nullopt);
  EXPECT_EQ(SetProfileValue("", "a]b", "k", "v"), std::nullopt);
  EXPECT_EQ(SetProfileValue("", "a\nb", "k", "v"), std::nullopt);
  EXPECT_EQ(SetProfileValue("", "s", "  ", "v"), std::nullopt);
  EXPECT_EQ(SetProfileValue("", "s", "a=b", "v"), std::nullopt);
  EXPECT_EQ(SetProfileValue("", "s", "[a]", "v"), std::nullopt);
  // A two-byte character whose second byte is ']' is a fine section name.
  EXPECT_EQ(SetProfileValue("", "\x83\x5D", "k", "v"), "[\x83\x5D]\r\nk=v\r\n");
}

}  // namespace
}  // namespace zelvane
