#include "music_session.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "music_fixture.h"
#include "settings_names.h"

namespace zelvane::music {
namespace {

using ::testing::ElementsAre;

TEST_F(MusicTest, CdRunIsOpenedPolledAndClosed) {
  device.cdMode = L"stopped";
  Run(settings::kBgmAudioCd, L"");
  EXPECT_THAT(device.calls,
              ElementsAre(L"open cdaudio", L"set cdaudio time format tmsf", L"cd timer on",
                          L"status cdaudio current track", L"status cdaudio number of tracks",
                          L"status cdaudio mode", L"play cdaudio", L"cd timer on", L"cd timer off",
                          L"stop cdaudio", L"close cdaudio"));
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

// The displays go off twice over and come back twice over: the music pauses
// and plays on once, and no poll runs in between.
TEST_F(MusicTest, DarkDisplaysPauseEachKindOnceAndItsPollingWithIt) {
  const struct {
    std::int16_t kind;
    const wchar_t* file;
    std::vector<std::wstring> off, on;
  } cases[] = {
      {settings::kBgmAudioCd,
       L"",
       {L"cd timer off", L"pause cdaudio"},
       {L"play cdaudio", L"cd timer on"}},
      {settings::kBgmMusicFile,
       L"C:\\a.mp3",
       {L"mp3 timer off", L"pause MP3Play"},
       {L"play MP3Play", L"mp3 timer on"}},
      {settings::kBgmMusicFile, L"C:\\a.WAV", {L"PlaySound stop"}, {L"PlaySound C:\\a.WAV"}},
      {settings::kBgmMusicFile, L"C:\\a.mid", {}, {}},
      {settings::kBgmNone, L"C:\\a.wav", {}, {}},
  };
  for (const auto& c : cases) {
    const MusicSettings settings{c.kind, 0, c.file, L""};
    StartMusic(settings, timers);
    MusicPause pause;
    device.calls = {};
    pause.DisplaysOn(settings, timers);
    pause.DisplaysOff(settings, timers);
    pause.DisplaysOff(settings, timers);
    EXPECT_EQ(device.calls, c.off) << c.file;
    EXPECT_FALSE(mp3Timer.enabled || cdTimer.enabled) << c.file;
    device.calls = {};
    pause.DisplaysOn(settings, timers);
    pause.DisplaysOn(settings, timers);
    EXPECT_EQ(device.calls, c.on) << c.file;
    StopMusic(settings, timers, pause);
  }
}

// A CD that failed (no disc) stops its polling and is never closed.
TEST_F(MusicTest, CdPausedForDarkDisplaysIsClosedAtTheEndOneThatFailedIsLeftAlone) {
  const MusicSettings cd{settings::kBgmAudioCd, 0, L"", L""};
  StartMusic(cd, timers);
  MusicPause paused;
  paused.DisplaysOff(cd, timers);
  device.calls = {};
  StopMusic(cd, timers, paused);
  EXPECT_THAT(device.calls, ElementsAre(L"cd timer off", L"stop cdaudio", L"close cdaudio"));

  // Failed before the displays went off, or after they came back.
  for (const bool failsFirst : {true, false}) {
    device.disc = true;
    StartMusic(cd, timers);
    const auto fail = [&] {
      device.disc = false;
      OnCdTimer(cd, cdTimer);
      EXPECT_FALSE(cdTimer.enabled) << "a failed poll stops the polling";
    };
    MusicPause pause;
    if (failsFirst) fail();
    pause.DisplaysOff(cd, timers);
    pause.DisplaysOn(cd, timers);
    if (!failsFirst) fail();
    device.calls = {};
    StopMusic(cd, timers, pause);
    EXPECT_TRUE(device.calls.empty()) << failsFirst;
  }
}

}  // namespace
}  // namespace zelvane::music
