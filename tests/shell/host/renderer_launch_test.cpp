#include "host/renderer_launch.h"

#include <gtest/gtest.h>

namespace zelvane::host {
namespace {

// The renderer sits in the shell's folder, one separator between them, also at
// a drive root. Its quoted path is the command line, with /primary only for the
// stored monitor kind 1, which keeps the other monitors black.
TEST(RendererLaunchTest, QuotedPathInTheProgramFolderAndPrimaryOnlyForKindOne) {
  EXPECT_EQ(RendererPathIn(L"C:\\Program Files\\Zelvane"),
            L"C:\\Program Files\\Zelvane\\ゼルヴェイン.dll");
  EXPECT_EQ(RendererPathIn(L"D:\\"), L"D:\\ゼルヴェイン.dll");
  const std::int16_t others[] = {0, 2, -1};
  for (const std::int16_t kind : others) {
    EXPECT_EQ(RendererCommandLine(L"C:\\A B\\r.dll", kind), L"\"C:\\A B\\r.dll\"") << kind;
  }
  EXPECT_EQ(RendererCommandLine(L"C:\\A B\\r.dll", 1), L"\"C:\\A B\\r.dll\" /primary");
}

}  // namespace
}  // namespace zelvane::host
