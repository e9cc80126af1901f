#include "host/renderer_launch.h"

#include "settings_values.h"

#include <gtest/gtest.h>

namespace zelvane::host {
namespace {

TEST(RendererLaunchTest, RendererIsInTheProgramFolderAndItsPathIsQuoted) {
  EXPECT_EQ(RendererPathIn(L"C:\\Program Files\\Zelvane"),
            L"C:\\Program Files\\Zelvane\\ゼルヴェイン.dll");
  // One separator, also at a drive root, where the folder ends in one.
  EXPECT_EQ(RendererPathIn(L"D:\\"), L"D:\\ゼルヴェイン.dll");
  EXPECT_EQ(RendererCommandLine(L"C:\\Program Files\\Zelvane\\ゼルヴェイン.dll", 0),
            L"\"C:\\Program Files\\Zelvane\\ゼルヴェイン.dll\"");
}

TEST(RendererLaunchTest, OnlyAStoredOneAsksTheRendererForThePrimaryMonitorAlone) {
  // The stored texts as the settings file may hold them: missing, malformed,
  // other kinds, and the one kind that keeps the other monitors black.
  for (const wchar_t* text : {L"", L"abc", L"0", L"2", L"-1", L"1x"}) {
    EXPECT_EQ(RendererCommandLine(L"C:\\Z\\r.dll", settings::SettingNumber(text)),
              L"\"C:\\Z\\r.dll\"")
        << testing::PrintToString(std::wstring(text));
  }
  EXPECT_EQ(RendererCommandLine(L"C:\\Z\\r.dll", settings::SettingNumber(L" 1 ")),
            L"\"C:\\Z\\r.dll\" /primary");
}

}  // namespace
}  // namespace zelvane::host
