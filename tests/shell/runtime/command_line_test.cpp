#include <gtest/gtest.h>

#include "runtime/command_line.h"

namespace zelvane::rt {
namespace {

TEST(ArgumentText, DropsTheProgramAndTheBlanksAfterIt) {
  EXPECT_EQ(ArgumentText(LR"(C:\Saver\z.scr /s)"), L"/s");
  EXPECT_EQ(ArgumentText(LR"("C:\Program Files\z.scr" /p 1234)"), L"/p 1234");
  EXPECT_EQ(ArgumentText(L"z.scr \t  /c:99"), L"/c:99");
  // A quoted path may be followed directly by the arguments.
  EXPECT_EQ(ArgumentText(LR"("C:\a b\z.scr"/s)"), L"/s");
  EXPECT_EQ(ArgumentText(L"  z.scr /s"), L"/s");
}

TEST(ArgumentText, KeepsTheArgumentsAsTheyStand) {
  EXPECT_EQ(ArgumentText(L"z.scr /p  1234 "), L"/p  1234 ");
  EXPECT_EQ(ArgumentText(L"z.scr \"quoted arg\""), L"\"quoted arg\"");
}

TEST(ArgumentText, IsEmptyWithoutArguments) {
  EXPECT_EQ(ArgumentText(L"z.scr"), L"");
  EXPECT_EQ(ArgumentText(L"\"C:\\a b\\z.scr\"   "), L"");
  EXPECT_EQ(ArgumentText(L"\"C:\\never closed /s"), L"");
  EXPECT_EQ(ArgumentText(L""), L"");
}

TEST(FolderOfPath, DropsTheFileNameAndTheSeparator) {
  EXPECT_EQ(FolderOfPath(LR"(C:\Windows\System32\z.scr)"), LR"(C:\Windows\System32)");
  EXPECT_EQ(FolderOfPath(LR"(\\server\share\z.scr)"), LR"(\\server\share)");
}

TEST(FolderOfPath, KeepsTheBackslashOfADriveRoot) {
  EXPECT_EQ(FolderOfPath(LR"(C:\z.scr)"), LR"(C:\)");
}

TEST(FolderOfPath, IsEmptyForABareName) {
  EXPECT_EQ(FolderOfPath(L"z.scr"), L"");
}

}  // namespace
}  // namespace zelvane::rt
