#include <gtest/gtest.h>

#include "arguments.h"
#include "escaping.h"
#include "message_names.h"

TEST(ProbeArguments, SplitsCommandPositionalsOptionsAndFlags) {
  Arguments a = ParseArguments(
      {L"post", L"--title", L"<ゼルヴェイン>", L"12", L"--gone", L"WM_CLOSE"}, {L"gone"});
  EXPECT_TRUE(a.error.empty());
  EXPECT_EQ(a.command, L"post");
  EXPECT_EQ(a.positional, (std::vector<std::wstring>{L"12", L"WM_CLOSE"}));
  EXPECT_EQ(a.Option(L"title"), L"<ゼルヴェイン>");
  EXPECT_TRUE(a.Has(L"gone"));
  EXPECT_FALSE(a.Option(L"class").has_value());
}

TEST(ProbeArguments, OptionWithoutValueIsAnError) {
  EXPECT_FALSE(ParseArguments({L"find", L"--title"}, {}).error.empty());
}

TEST(ProbeArguments, NumbersInDecimalHexAndNegative) {
  EXPECT_EQ(ParseNumber(L"1234"), 1234u);
  EXPECT_EQ(ParseNumber(L"0x1F"), 31u);
  EXPECT_EQ(ParseNumber(L"-1"), ~std::uint64_t{0});
  for (const wchar_t* bad : {L"", L"-", L"0x", L"12a", L"0xG", L" 1"}) {
    EXPECT_FALSE(ParseNumber(bad).has_value()) << bad;
  }
}

TEST(ProbeArguments, MessagesByNameOrNumber) {
  EXPECT_EQ(MessageNumber(L"WM_CLOSE"), 0x10u);
  EXPECT_EQ(MessageNumber(L"WM_SYSCOMMAND"), 0x112u);
  EXPECT_EQ(MessageNumber(L"0x8001"), 0x8001u);
  EXPECT_FALSE(MessageNumber(L"WM_NOTHING").has_value());
  EXPECT_FALSE(MessageNumber(L"0x100000000").has_value());
}

TEST(ProbeOutput, EscapesKeepOneValuePerLine) {
  EXPECT_EQ(EscapeValue(L"a\\b\nc\rd\te"), L"a\\\\b\\nc\\rd\\te");
  EXPECT_EQ(EscapeValue(L"ゼルヴェイン"), L"ゼルヴェイン");
}
