#include "music_session.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "music_fixture.h"
#include "settings_names.h"

namespace zelvane::music {
namespace {

using ::testing::ElementsAre;

TEST(MusicTimers, TheMp3IsCheckedEverySecondTheCdFiveTimesASecond) {
  EXPECT_EQ(kMp3CheckIntervalMs, 1000);
  EXPECT_EQ(kCdCheckIntervalMs, 200);
}

TEST_F(MusicTest, CdRunIsOpenedPolledAndClosed) {
  device.cdMode = L"stopped";
  Run(settings::kBgmAudioCd, L"");
  EXPECT_THAT(device.calls,
              ElementsAre(L"open cdaudio", L"set cdaudio time format tmsf", L"cd timer on",
                          L"status cdaudio current track", L"status cdaudio number of tracks",
                          L"status cdaudio mode", L"play cdaudio", L"cd timer on", L"cd timer off",
                          L"stop cdaudio", L"close cdaudio"));
}

TEST_F(MusicTest, CdRunWithoutDiscStopsPollingAndIsNotClosed) {
  device.disc = false;
  Run(settings::kBgmAudioCd, L"");
  EXPECT_THAT(device.calls,
              ElementsAre(L"open cdaudio", L"set cdaudio time format tmsf", L"cd timer on",
                          L"status cdaudio current track", L"cd timer off"));
}

TEST_F(MusicTest, Mp3RunIsOpenedCheckedAndClosedWhateverTheNameCase) {
  for (const wchar_t* file : {L"C:\\a.Mp3", L"C:\\amp3"}) {
    device.calls = {};
    Run(settings::kBgmMusicFile, file);
    EXPECT_THAT(device.calls,
                ElementsAre(L"open \"" + std::wstring(file) + L"\" type MPEGVideo Alias MP3Play",
                            L"play MP3Play", L"mp3 timer on", L"status MP3Play mode",
                            L"mp3 timer off", L"stop MP3Play", L"close MP3Play"));
  }
}

TEST_F(MusicTest, WavRunLoopsWithoutATimerAndOtherFilesOrKindsPlayNothing) {
  Run(settings::kBgmMusicFile, L"C:\\a.wav");
  Run(settings::kBgmMusicFile, L"C:\\a.mid");
  Run(settings::kBgmNone, L"C:\\a.mp3");
  Run(3, L"C:\\a.wav");
  device.waveDevices = 0;
  Run(settings::kBgmMusicFile, L"C:\\b.wav");
  EXPECT_THAT(device.calls,
              ElementsAre(L"PlaySound C:\\a.wav", L"PlaySound stop", L"PlaySound stop"));
}

}  // namespace
}  // namespace zelvane::music
