#include "host/renderer_launch.h"

#include <gtest/gtest.h>

namespace zelvane::host {
namespace {

TEST(RendererLaunchTest, RendererIsInTheProgramFolderAndItsPathIsQuoted) {
  EXPECT_EQ(RendererPathIn(L"C:\\Program Files\\Zelvane"),
            L"C:\\Program Files\\Zelvane\\ゼルヴェイン.dll");
  // One separator, also at a drive root, where the folder ends in one.
  EXPECT_EQ(RendererPathIn(L"D:\\"), L"D:\\ゼルヴェイン.dll");
  EXPECT_EQ(RendererCommandLine(L"C:\\Program Files\\Zelvane\\ゼルヴェイン.dll"),
            L"\"C:\\Program Files\\Zelvane\\ゼルヴェイン.dll\"");
}

}  // namespace
}  // namespace zelvane::host
