#include "release/running/image_path.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace zelvane {
namespace {

class SameImagePathTest
    : public testing::TestWithParam<std::tuple<std::wstring, std::wstring, bool>> {};

TEST_P(SameImagePathTest, ComparesOneFileHoweverItIsWritten) {
  const auto& [a, b, same] = GetParam();
  EXPECT_EQ(SameImagePath(a, b), same);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, SameImagePathTest,
    testing::Values(std::tuple{L"C:\\Windows\\System32\\ゼルヴェイン.scr",
                               L"\\\\?\\c:/windows/system32/ゼルヴェイン.SCR", true},
                    std::tuple{L"\\??\\C:\\a\\z.dll", L"C:\\A\\Z.DLL", true},
                    std::tuple{L"\\\\?\\UNC\\server\\share\\b.scr", L"\\\\SERVER\\share\\b.scr",
                               true},
                    std::tuple{L"C:\\a\\ゼルヴェイン.scr", L"C:\\a\\ゼルヴェイン.dll", false},
                    std::tuple{L"C:\\a\\b.scr", L"C:\\a\\b.scr.new", false}));

}  // namespace
}  // namespace zelvane
