#include "win32_winmm_devices.h"

#include <gtest/gtest.h>

#include "music_player.h"

namespace zelvane::music {
namespace {

using zelvane::rt::kFalse;

class WinmmMusicTest : public ::testing::Test {
 protected:
  void SetUp() override { BindMusicDevices(commands, sound); }
  WinmmMediaCommands commands;
  WinmmSound sound;
};

// The test system has no CD drive: the first poll stops the CD's polling, and
// a failed command has an error text.
TEST_F(WinmmMusicTest, MachineWithoutDiscStopsCdPolling) {
  CD_Open();
  CD_Check(0);
  EXPECT_EQ(CdAlive, kFalse);
  EXPECT_FALSE(McText.empty());
  CD_Close();
}

}  // namespace
}  // namespace zelvane::music
