#include "release/running/image_path.h"

#include <gtest/gtest.h>

#include <tuple>

namespace zelvane {
namespace {

TEST(SameImagePath, ComparesOneFileHoweverItIsWritten) {
  for (const auto& [a, b, same] :
       {std::tuple{L"C:\\Windows\\System32\\ゼルヴェイン.scr",
                   L"\\\\?\\c:/windows/system32/ゼルヴェイン.SCR", true},
        {L"\\??\\C:\\a\\z.dll", L"C:\\A\\Z.DLL", true},
        {L"\\\\?\\UNC\\server\\share\\b.scr", L"\\\\SERVER\\share\\b.scr", true},
        {L"C:\\a\\ゼルヴェイン.scr", L"C:\\a\\ゼルヴェイン.dll", false},
        {L"C:\\a\\b.scr", L"C:\\a\\b.scr.new", false}}) {
    EXPECT_EQ(SameImagePath(a, b), same) << a << " " << b;
  }
}

}  // namespace
}  // namespace zelvane
