#include <gtest/gtest.h>

#include "runtime/property_bag.h"

namespace zelvane::rt {
namespace {

// A value equal to its default (a number equals its text) is not stored.
TEST(PropertyBag, StoresOnlyWhatDiffersFromTheDefaultUnderCaseBlindKeys) {
  const FontSpec gothic{.face = L"ＭＳ Ｐゴシック", .points = 9.75, .charset = kShiftJisCharset};
  PropertyBag bag{{L"Visible", std::int64_t{0}}};
  EXPECT_TRUE(bag.Contains(L"VISIBLE"));
  bag.WriteProperty(L"Caption", L"Command", L"Command");
  bag.WriteProperty(L"FirstRun", std::int64_t{1}, L"1");
  bag.WriteProperty(L"Enabled", std::int64_t{-1}, std::int64_t{-1});
  bag.WriteProperty(L"Font", FontSpec{}, FontSpec{});
  bag.WriteProperty(L"visible", std::int64_t{1}, L"1");
  EXPECT_EQ(bag.Size(), 0u);
  EXPECT_EQ(ToText(bag.ReadProperty(L"Caption", L"Command1")), L"Command1");

  bag.WriteProperty(L"FontColour", std::int64_t{255}, L"0");
  bag.WriteProperty(L"fontcolour", std::int64_t{128}, L"0");
  bag.WriteProperty(L"FontColours", std::int64_t{5}, L"none");
  bag.WriteProperty(L"Font", gothic, FontSpec{});
  EXPECT_EQ(bag.Size(), 3u);
  EXPECT_EQ(ToWholeNumber(bag.ReadProperty(L"FONTCOLOUR", L"0")), 128);
  EXPECT_EQ(ToFont(bag.ReadProperty(L"Font", FontSpec{})), gothic);
  EXPECT_TRUE(bag.Contains(L"fontcolours"));
}

TEST(PropertyValueConversion, ReadsNumbersAndRefusesWhatIsNoNumberOrDoesNotFit) {
  const struct {
    const wchar_t* text;
    std::int64_t number;
  } numbers[] = {{L" 7 ", 7}, {L"-10", -10}, {L"+3", 3}, {L"2.5", 2}, {L"3.5", 4}, {L"1.25", 1}};
  for (const auto& c : numbers) EXPECT_EQ(ToWholeNumber(c.text), c.number) << c.text;
  EXPECT_EQ(ToInteger<std::uint8_t>(L"1"), 1);
  for (const wchar_t* text : {L"", L" ", L"abc", L"1.2.3", L"1e999", L"-", L".", L"7a"})
    EXPECT_THROW(ToWholeNumber(text), RuntimeError) << text;
  EXPECT_THROW(ToWholeNumber(std::wstring(20, L'9')), RuntimeError);
  EXPECT_THROW(ToWholeNumber(FontSpec{}), RuntimeError);
  EXPECT_THROW(ToInteger<std::uint8_t>(L"256"), RuntimeError);
  EXPECT_THROW(ToInteger<std::int16_t>(std::int64_t{40000}), RuntimeError);
  EXPECT_THROW(ToText(FontSpec{}), RuntimeError);
}

}  // namespace
}  // namespace zelvane::rt
