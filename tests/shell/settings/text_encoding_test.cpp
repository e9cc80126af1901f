#include "cp932.h"
#include "cp932_bytes.h"
#include "text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace zelvane::settings {
namespace {

TEST(Cp932, ConvertsKeysAndPathsBothWays) {
  const struct {
    const wchar_t* text;
    const char* bytes;
  } cases[] = {
      {L"BGM区分", "BGM\x8B\xE6\x95\xAA"},
      {L"BGMﾘﾋﾟｰﾄ", "BGM\xD8\xCB\xDF\xB0\xC4"},
      {L"C:\\表\\～.mp3", "C:\\\x95\x5C\\\x81\x60.mp3"},  // '\' stays '\', not a yen sign
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WideToCp932(c.text), c.bytes);
    EXPECT_EQ(Cp932ToWide(c.bytes), c.text);
  }
  EXPECT_EQ(WideToCp932(L"a\u0101b"), "a?b");  // no look-alike 'a'
  // A prefix never ends inside a two-byte character.
  EXPECT_EQ(Cp932Prefix("ab\x8B\xE6", 3), "ab");
  EXPECT_EQ(Cp932Prefix("\x8B\xE6x", 1), "");
  EXPECT_EQ(Cp932Prefix("ab\x8B\xE6", 4), "ab\x8B\xE6");
}

TEST(SettingsFileEncoding, FilesSavedAsUnicodeReadAsShiftJis) {
  const std::string expected = "k=\x8B\xE6";  // k=区
  EXPECT_EQ(Cp932TextOfFile(expected), expected);
  EXPECT_EQ(Cp932TextOfFile("\xEF\xBB\xBFk=\xE5\x8C\xBA"), expected);
  EXPECT_EQ(Cp932TextOfFile(std::string("\xFF\xFEk\0=\0\x3A\x53", 8)), expected);
  EXPECT_EQ(Cp932TextOfFile(std::string("\xFE\xFF\0k\0=\x53\x3A", 8)), expected);
  // What code page 932 cannot hold, or is no character at all, becomes '?'.
  EXPECT_EQ(Cp932TextOfFile("\xEF\xBB\xBFk=\xC4\x81"), "k=?");
  EXPECT_EQ(WideFromUtf8("a\xC3"), L"a\uFFFD");
  EXPECT_EQ(WideFromUtf8("\xED\xA0\x80\xED\xBF\xBF"), L"\uFFFD\uFFFD");  // encoded surrogates
  EXPECT_EQ(WideFromUtf8("\xC2\x80\xE0\xA0\x80\xEF\xBC\xA1\xF4\x8F\xBF\xBF"),
            L"\u0080\u0800\uFF21\U0010FFFF");
  EXPECT_EQ(WideFromUtf16(std::string("\x3D\xD8\x41\x00", 4), false), L"\uFFFDA");
  EXPECT_EQ(WideFromUtf16(std::string("\x3D\xD8", 2), false), L"\uFFFD");
  EXPECT_EQ(WideFromUtf16(std::string("\xD8\x3D\xDE\x00\xDB\xFF\xDF\xFF", 8), true),
            L"\U0001F600\U0010FFFF");
}

}  // namespace
}  // namespace zelvane::settings
