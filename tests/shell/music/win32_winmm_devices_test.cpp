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

TEST_F(WinmmMusicTest, FailedCommandHasACodeAnErrorTextAndNoReply) {
  const MediaReply reply = commands.Send(L"status MP3Play mode", kMp3ModeSize);
  EXPECT_NE(reply.code, 0);
  EXPECT_EQ(reply.text, L"");
  std::wstring text;
  EXPECT_EQ(MCI_Send(L"frobnicate cdaudio", text), commands.Send(L"frobnicate cdaudio", 0).code);
  EXPECT_FALSE(text.empty());
}

// The real media devices of a machine without a disc (the test system has no
// CD drive at all): the first poll stops the CD's polling.
TEST_F(WinmmMusicTest, MachineWithoutDiscStopsCdPolling) {
  CD_Open();
  CD_Check(0);
  EXPECT_EQ(CdAlive, kFalse);
  CD_Close();
}

}  // namespace
}  // namespace zelvane::music
