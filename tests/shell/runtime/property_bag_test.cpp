#include <gtest/gtest.h>

#include "runtime/property_bag.h"

namespace zelvane::rt {
namespace {

TEST(PropertyBag, ReadGivesTheStoredValueOrTheDefault) {
  const PropertyBag bag{{L"Caption", L"設定"}};
  EXPECT_EQ(ToText(bag.ReadProperty(L"Caption", L"Command1")), L"設定");
  EXPECT_EQ(ToText(bag.ReadProperty(L"Missing", L"Command1")), L"Command1");
  EXPECT_EQ(ToWholeNumber(bag.ReadProperty(L"Enabled", std::int64_t{-1})), -1);
}

TEST(PropertyBag, KeysMatchWithoutRegardToCase) {
  PropertyBag bag;
  bag.WriteProperty(L"FontColour", std::int64_t{255}, L"0");
  EXPECT_EQ(ToWholeNumber(bag.ReadProperty(L"FONTCOLOUR", L"0")), 255);
  bag.WriteProperty(L"fontcolour", std::int64_t{128}, L"0");
  EXPECT_EQ(bag.Size(), 1u);
  EXPECT_EQ(ToWholeNumber(bag.ReadProperty(L"FontColour", L"0")), 128);
  // Every character counts, the first as much as the last.
  bag.WriteProperty(L"XPos", std::int64_t{7}, L"0");
  bag.WriteProperty(L"YPos", std::int64_t{9}, L"0");
  bag.WriteProperty(L"FontColours", std::int64_t{5}, L"0");
  EXPECT_EQ(bag.Size(), 4u);
  EXPECT_EQ(ToWholeNumber(bag.ReadProperty(L"xpos", L"0")), 7);
}

TEST(PropertyBag, WriteStoresOnlyValuesThatDifferFromTheDefault) {
  PropertyBag bag;
  bag.WriteProperty(L"Caption", L"Command", L"Command");
  bag.WriteProperty(L"FirstRun", std::int64_t{1}, L"1");  // a number equals its text
  bag.WriteProperty(L"Enabled", std::int64_t{-1}, std::int64_t{-1});
  bag.WriteProperty(L"Font", FontSpec{}, FontSpec{});
  EXPECT_EQ(bag.Size(), 0u);

  bag.WriteProperty(L"Caption", L"ｷｬﾝｾﾙ", L"Command");
  bag.WriteProperty(L"Visible", std::int64_t{0}, L"1");
  FontSpec gothic{.face = L"ＭＳ Ｐゴシック", .points = 9.75, .charset = kShiftJisCharset};
  bag.WriteProperty(L"Font", gothic, FontSpec{});
  EXPECT_EQ(bag.Size(), 3u);
  EXPECT_EQ(ToFont(bag.ReadProperty(L"Font", FontSpec{})), gothic);
  // "Command" is not stored, so reading back with the reading default gives that.
  PropertyBag fresh;
  fresh.WriteProperty(L"Caption", L"Command", L"Command");
  EXPECT_EQ(ToText(fresh.ReadProperty(L"Caption", L"Command1")), L"Command1");
}

TEST(PropertyBag, WritingTheDefaultForgetsAnEarlierValue) {
  PropertyBag bag{{L"Visible", std::int64_t{0}}};
  bag.WriteProperty(L"Visible", std::int64_t{1}, L"1");
  EXPECT_FALSE(bag.Contains(L"Visible"));
  EXPECT_EQ(ToWholeNumber(bag.ReadProperty(L"Visible", L"1")), 1);
}

TEST(PropertyValueConversion, ReadsNumbersFromText) {
  EXPECT_EQ(ToWholeNumber(L" 7 "), 7);
  EXPECT_EQ(ToWholeNumber(L"-12"), -12);
  EXPECT_EQ(ToWholeNumber(L"2.5"), 2);  // halves go to the even neighbour
  EXPECT_EQ(ToWholeNumber(L"3.5"), 4);
  EXPECT_EQ(ToInteger<std::uint8_t>(L"1"), 1);
}

TEST(PropertyValueConversion, RejectsWhatIsNoNumberOrDoesNotFit) {
  EXPECT_THROW(ToWholeNumber(L""), RuntimeError);
  EXPECT_THROW(ToWholeNumber(L"abc"), RuntimeError);
  EXPECT_THROW(ToWholeNumber(L"1.2.3"), RuntimeError);
  EXPECT_THROW(ToWholeNumber(L"1e999"), RuntimeError);
  EXPECT_THROW(ToWholeNumber(FontSpec{}), RuntimeError);
  EXPECT_THROW(ToInteger<std::uint8_t>(L"256"), RuntimeError);
  EXPECT_THROW(ToInteger<std::int16_t>(std::int64_t{40000}), RuntimeError);
  EXPECT_THROW(ToText(FontSpec{}), RuntimeError);
}

}  // namespace
}  // namespace zelvane::rt
