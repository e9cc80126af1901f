// The resources of the built shell program, read back as the platform reads
// them: the saver list's description, the icon and the version text.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/shell_resource_ids.h"

namespace {

// The shell program's path on the build machine, seen through Wine's Z: drive.
std::wstring ShellPath() {
  const std::string unix_path = ZELVANE_SHELL_PATH;
  std::wstring path(MultiByteToWideChar(CP_UTF8, 0, unix_path.c_str(), -1, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, unix_path.c_str(), -1, path.data(),
                      static_cast<int>(path.size()));
  path.pop_back();  // the terminating NUL
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  return L"Z:" + path;
}

class ShellResources : public testing::Test {
 protected:
  void SetUp() override {
    module_ = LoadLibraryExW(ShellPath().c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module_, nullptr) << "cannot open the shell program, error " << GetLastError();
  }
  void TearDown() override {
    if (module_) FreeLibrary(module_);
  }
  HMODULE module_ = nullptr;
};

TEST_F(ShellResources, DescriptionIsStringOne) {
  wchar_t text[64] = {};
  ASSERT_GT(LoadStringW(module_, IDS_SAVER_DESCRIPTION, text, 64), 0);
  EXPECT_EQ(std::wstring(text), L"ゼルヴェイン");
}

TEST_F(ShellResources, IconComesInTheSizesWindowsShows) {
  for (int size : {16, 32, 48}) {
    HICON icon = static_cast<HICON>(
        LoadImageW(module_, MAKEINTRESOURCEW(IDI_SHELL_ICON), IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << size;
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bitmap = {};
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, size);
    EXPECT_EQ(bitmap.bmBitsPixel, 32) << "the icon's own image, not a scaled one";
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
}

TEST(ShellVersion, NamesTheProductInJapanese) {
  const std::wstring path = ShellPath();
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, block.data()));
  const auto value = [&](const wchar_t* name) {
    void* text = nullptr;
    UINT length = 0;
    const std::wstring query = std::wstring(L"\\StringFileInfo\\041104B0\\") + name;
    if (!VerQueryValueW(block.data(), query.c_str(), &text, &length)) return std::wstring();
    return std::wstring(static_cast<const wchar_t*>(text));
  };
  EXPECT_EQ(value(L"FileDescription"), L"ゼルヴェイン (ScreenSaver)");
  EXPECT_EQ(value(L"OriginalFilename"), L"ゼルヴェイン.scr");
  EXPECT_EQ(value(L"ProductName"), L"ゼルヴェイン");
}

}  // namespace
