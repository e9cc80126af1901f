// The built shell program's resources: its description must arrive as the
// Japanese it was written in, and its manifest must be there.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "resources/shell_resource_ids.h"

namespace {

TEST(ShellResources, DescriptionIconAndManifest) {
  // The program's path on the build machine, through Wine's Z: drive.
  std::wstring path(MAX_PATH, L'\0');
  path.resize(MultiByteToWideChar(CP_UTF8, 0, ZELVANE_SHELL_PATH, -1, path.data(), MAX_PATH) - 1);
  for (wchar_t& c : path) c = c == L'/' ? L'\\' : c;
  HMODULE shell = LoadLibraryExW((L"Z:" + path).c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(shell, nullptr);
  wchar_t description[64] = {};
  LoadStringW(shell, IDS_SAVER_DESCRIPTION, description, 64);
  EXPECT_EQ(std::wstring(description), L"ゼルヴェイン");
  EXPECT_NE(FindResourceW(shell, MAKEINTRESOURCEW(IDI_SHELL_ICON), RT_GROUP_ICON), nullptr);
  // The manifest that keeps the dialog's text sharp at any display scaling.
  HRSRC manifest = FindResourceW(shell, CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
  ASSERT_NE(manifest, nullptr);
  const std::string text(static_cast<const char*>(LockResource(LoadResource(shell, manifest))),
                         SizeofResource(shell, manifest));
  EXPECT_NE(text.find("<gdiScaling xmlns=\"http://schemas.microsoft.com/SMI/2017/WindowsSettings\">"
                      "true</gdiScaling>"),
            std::string::npos);
  FreeLibrary(shell);
}

}  // namespace
