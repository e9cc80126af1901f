#include "zelvane_bgm.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "scripted_device.h"

namespace Zelvane_BGM {
namespace {

using ::testing::ElementsAre;
using zelvane::rt::kFalse;
using zelvane::rt::kTrue;

const std::wstring kCurrentTrack = L"status cdaudio current track";
const std::wstring kTrackCount = L"status cdaudio number of tracks";
const std::wstring kMode = L"status cdaudio mode";

class MusicTest : public ::testing::Test {
 protected:
  void SetUp() override {
    BindMusicDevices(device, device);
    CdAlive = kFalse;
    McText.clear();
  }
  // An opened CD whose calls so far are forgotten.
  void OpenCd() {
    CD_Open();
    device.calls.clear();
  }
  ScriptedDevice device;
};

TEST_F(MusicTest, SendReportsEmptyCommandsErrorsAndReplies) {
  std::wstring text;
  EXPECT_EQ(MCI_Send(L"", text), kEmptyCommand);
  EXPECT_EQ(text, L"コマンド文字列が指定されていません");
  EXPECT_TRUE(device.calls.empty());

  EXPECT_EQ(MCI_Send(kCurrentTrack, text), ScriptedDevice::kNotOpen);
  EXPECT_EQ(text, L"error text 263");
  EXPECT_EQ(MCI_Send(L"eject everything", text), ScriptedDevice::kUnrecognized);
  EXPECT_EQ(text, L"Error (文字列が取れません)");
  EXPECT_EQ(MCI_Status(kCurrentTrack), L"Error:263");

  OpenCd();
  device.track = 7;
  EXPECT_EQ(MCI_Send(kCurrentTrack, text), 0);
  EXPECT_EQ(text, L"7");
}

TEST_F(MusicTest, PlayCommandCarriesOnlyTheGivenPositions) {
  OpenCd();
  MCI_Play(L"cdaudio", L"", L"");
  MCI_Play(L"cdaudio", L"02", L"");
  MCI_Play(L"cdaudio", L"", L"05");
  MCI_Play(L"cdaudio", L"02", L"05");
  EXPECT_THAT(device.calls, ElementsAre(L"play cdaudio", L"play cdaudio from 02",
                                        L"play cdaudio to 05", L"play cdaudio from 02 to 05"));
}

TEST_F(MusicTest, WithoutRepeatTheDiscPlaysOnAndRestartsWhenStopped) {
  OpenCd();
  CD_Check(0);
  EXPECT_EQ(CdAlive, kTrue);
  EXPECT_THAT(device.calls, ElementsAre(kCurrentTrack, kTrackCount, kMode));

  device.calls.clear();
  device.cdMode = L"stoppedXYZ";  // only the first seven characters count
  CD_Check(0);
  EXPECT_THAT(device.calls, ElementsAre(kCurrentTrack, kTrackCount, kMode, L"play cdaudio"));
}

TEST_F(MusicTest, RepeatJumpsBackToItsTrackOnlyWhenTheDiscLeftIt) {
  OpenCd();
  device.track = 3;
  CD_Check(3);
  EXPECT_THAT(device.calls, ElementsAre(kCurrentTrack, kTrackCount, kMode));

  for (auto [track, mode] : {std::pair{4, L"playing"}, std::pair{3, L"stopped"}}) {
    device.calls.clear();
    device.track = track;
    device.cdMode = mode;
    CD_Check(3);
    EXPECT_THAT(device.calls,
                ElementsAre(kCurrentTrack, kTrackCount, kMode, L"status cdaudio position track 3",
                            L"play cdaudio from 03:00:00:00"));
    EXPECT_EQ(CdAlive, kTrue);
  }
}

TEST_F(MusicTest, RepeatOfATrackBeyondTheDiscKeepsPolling) {
  OpenCd();
  CD_Check(20);
  EXPECT_EQ(device.calls.back(), L"play cdaudio from Error:282");
  EXPECT_EQ(CdAlive, kTrue);
}

TEST_F(MusicTest, CdThatCannotBePolledEndsPolling) {
  device.disc = false;
  OpenCd();
  CD_Check(0);
  EXPECT_EQ(CdAlive, kFalse);
  EXPECT_THAT(device.calls, ElementsAre(kCurrentTrack));

  SetUp();  // a drive that was never opened
  CD_Check(1);
  EXPECT_EQ(CdAlive, kFalse);
}

TEST_F(MusicTest, Mp3IsOpenedQuotedAndPlayedOnlyWhenItOpens) {
  MP3_Open(L"C:\\My Music\\night sky.mp3");
  device.mp3Opens = false;
  MP3_Open(L"C:\\gone.mp3");
  EXPECT_THAT(device.calls,
              ElementsAre(L"open \"C:\\My Music\\night sky.mp3\" type MPEGVideo Alias MP3Play",
                          L"play MP3Play", L"open \"C:\\gone.mp3\" type MPEGVideo Alias MP3Play"));
}

TEST_F(MusicTest, Mp3NameWithAQuotationMarkIsNotOpened) {
  MP3_Open(L"C:\\a.mp3\" type waveaudio alias x \"b.mp3");
  EXPECT_TRUE(device.calls.empty());
}

TEST_F(MusicTest, EndedMp3RestartsFromTheBeginning) {
  MP3_Open(L"C:\\a.mp3");
  device.calls.clear();
  MP3_Check();
  device.mp3Mode = L"stopped";
  MP3_Check();
  EXPECT_THAT(device.calls, ElementsAre(L"status MP3Play mode", L"status MP3Play mode",
                                        L"stop MP3Play", L"play MP3Play from 0"));
}

TEST_F(MusicTest, WavPlaysOnlyWithAWaveOutputDevice) {
  WAV_Play(L"C:\\a.wav");
  device.waveDevices = 0;
  WAV_Play(L"C:\\b.wav");
  EXPECT_THAT(device.calls, ElementsAre(L"PlaySound C:\\a.wav"));
}

}  // namespace
}  // namespace Zelvane_BGM
