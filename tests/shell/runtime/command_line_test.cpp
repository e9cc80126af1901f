#include "runtime/command_line.h"

#include <gtest/gtest.h>

namespace zelvane::rt {
namespace {

TEST(ArgumentText, DropsTheProgramAndTheBlanksAfterItAndKeepsTheRestAsItStands) {
  const struct {
    const wchar_t *line, *arguments;
  } cases[] = {
      // clang-format off
      {LR"("C:\Program Files\z.scr" /p 1234)", L"/p 1234"}, {L"z.scr \t  /c:99", L"/c:99"},
      {LR"("C:\a b\z.scr"/s)", L"/s"}, {L"  z.scr /s", L"/s"}, {L"\"\" /s", L"/s"},
      {L"z.scr /p  1234 ", L"/p  1234 "}, {L"z.scr", L""}, {L"", L""},
      {L"\"C:\\a b\\z.scr\"   ", L""}, {L"\"C:\\never closed /s", L""},
      // clang-format on
  };
  for (const auto& c : cases) EXPECT_EQ(ArgumentText(c.line), c.arguments) << c.line;
}

TEST(ArgumentText, DropsTheProgramsOwnPathInEitherFormQuotedOrNotWithBlanksInIt) {
  const std::wstring paths[] = {LR"(C:\Users\Jane Doe\Saver\z.scr)",
                                LR"(C:\Users\JANEDO~1\Saver\z.scr)"};
  const struct {
    const wchar_t *line, *arguments;
  } cases[] = {
      // clang-format off
      {LR"(C:\Users\Jane Doe\Saver\z.scr /s)", L"/s"},
      {LR"(  c:\users\JANE DOE\saver\Z.SCR /p 1234)", L"/p 1234"},
      {LR"("C:\Users\Jane Doe\Saver\z.scr"/c:12)", L"/c:12"},
      {LR"(C:\Users\JANEDO~1\Saver\z.scr  /S)", L"/S"},
      {LR"("C:\Users\JANEDO~1\Saver\z.scr")", L""},
      {LR"(C:\Users\Jane Doe\Saver\z.scr)", L""},
      // Only a whole path counts; any other line loses its first token.
      {LR"(C:\Users\Jane Doe\Saver\z.scrx /s)", LR"(Doe\Saver\z.scrx /s)"},
      {LR"(C:\Users\Jane Dow\Saver\z.scr /s)", LR"(Dow\Saver\z.scr /s)"},
      {LR"("C:\Users\Jane Doe\Saver\z.scr /s)", L""}, {L"z.scr /s", L"/s"},
      // clang-format on
  };
  for (const auto& c : cases) EXPECT_EQ(ArgumentText(c.line, paths), c.arguments) << c.line;
}

TEST(FolderOfPath, DropsTheFileNameAndTheSeparatorExceptAtADriveRoot) {
  EXPECT_EQ(FolderOfPath(LR"(C:\Windows\System32\z.scr)"), LR"(C:\Windows\System32)");
  EXPECT_EQ(FolderOfPath(LR"(\\server\share\z.scr)"), LR"(\\server\share)");
  EXPECT_EQ(FolderOfPath(LR"(C:\z.scr)"), LR"(C:\)");
  EXPECT_EQ(FolderOfPath(L"z.scr"), L"");
}

}  // namespace
}  // namespace zelvane::rt
