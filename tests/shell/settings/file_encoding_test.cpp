#include "cp932.h"
#include "cp932_bytes.h"
#include "profile_text.h"
#include "text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace zelvane {
namespace {

const std::string kKindKey = "BGM\x8B\xE6\x95\xAA";

TEST(Cp932, ConvertsTheKeysAndPathsBothWays) {
  const struct {
    const wchar_t* text;
    const char* bytes;
  } cases[] = {
      {L"BGM区分", "BGM\x8B\xE6\x95\xAA"},
      {L"BGMﾘﾋﾟｰﾄ", "BGM\xD8\xCB\xDF\xB0\xC4"},
      {L"BGMﾌｧｲﾙ", "BGM\xCC\xA7\xB2\xD9"},
      {L"C:\\表\\～.mp3", "C:\\\x95\x5C\\\x81\x60.mp3"},  // '\' stays '\', not a yen sign
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WideToCp932(c.text), c.bytes);
    EXPECT_EQ(Cp932ToWide(c.bytes), c.text);
  }
  EXPECT_EQ(WideToCp932(L"a\u0101b"), "a?b");  // no look-alike 'a'
}

TEST(Cp932Bytes, PrefixEndsBetweenCharacters) {
  const std::string text =
      "ab\x8B\xE6"
      "c";
  EXPECT_EQ(Cp932Prefix(text, 3), "ab");
  EXPECT_EQ(Cp932Prefix(text, 4), "ab\x8B\xE6");
  EXPECT_EQ(Cp932Prefix(text, 99), text);
  // A lead byte with nothing after it counts as one character.
  EXPECT_EQ(Cp932Prefix("a\x8B", 2), "a\x8B");
}

std::string Utf16(const std::u16string& text, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (const char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
  }
  return bytes;
}

TEST(SettingsFileEncoding, FilesSavedAsUnicodeReadLikeShiftJis) {
  const std::string expected = "[Section]\r\n" + kKindKey + "=2\r\n";
  EXPECT_EQ(Cp932TextOfFile(expected), expected);
  EXPECT_EQ(Cp932TextOfFile("\xEF\xBB\xBF[Section]\r\nBGM\xE5\x8C\xBA\xE5\x88\x86=2\r\n"),
            expected);
  EXPECT_EQ(Cp932TextOfFile(Utf16(u"[Section]\r\nBGM区分=2\r\n", false)), expected);
  EXPECT_EQ(Cp932TextOfFile(Utf16(u"[Section]\r\nBGM区分=2\r\n", true)), expected);
  EXPECT_EQ(
      FindProfileValue(Cp932TextOfFile(Utf16(u"[Section]\nBGM区分=1", true)), "Section", kKindKey),
      "1");
}

TEST(SettingsFileEncoding, MalformedUnicodeBecomesReplacementCharacters) {
  EXPECT_EQ(WideFromUtf8("a\xC3"), L"a\uFFFD");  // cut short
  EXPECT_EQ(WideFromUtf8("\xC0\xAF"
                         "b"),
            L"\uFFFD\uFFFDb");                         // overlong
  EXPECT_EQ(WideFromUtf8("\xED\xA0\x80"), L"\uFFFD");  // a surrogate
  EXPECT_EQ(WideFromUtf8("\xF0\x9F\x8E\xB5").size(), sizeof(wchar_t) == 2 ? 2u : 1u);
  EXPECT_EQ(WideFromUtf16(std::string("\x3D\xD8\x41\x00", 4), false), L"\uFFFDA");  // lone high
  EXPECT_EQ(WideFromUtf16("A", false), L"");  // an odd last byte
  // Characters outside code page 932 become '?' in the converted file.
  EXPECT_EQ(Cp932TextOfFile("\xEF\xBB\xBFk=\xC4\x81"), "k=?");
}

}  // namespace
}  // namespace zelvane
