#include "music_session.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "scripted_device.h"
#include "settings_names.h"
#include "zelvane_bgm.h"

namespace Zelvane_BGM {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

MusicSettings Music(std::int16_t kind, std::wstring file) {
  MusicSettings settings;
  settings.kind = kind;
  settings.file = std::move(file);
  return settings;
}

// A timer that writes its switching into the device's call record.
class RecordedTimer : public PollingTimer {
 public:
  RecordedTimer(std::vector<std::wstring>& calls, std::wstring name)
      : calls_(calls), name_(std::move(name)) {}
  bool IsEnabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override {
    enabled_ = enabled;
    calls_.push_back(name_ + (enabled ? L" timer on" : L" timer off"));
  }

 private:
  std::vector<std::wstring>& calls_;
  std::wstring name_;
  bool enabled_ = false;
};

class MusicSessionTest : public ::testing::Test {
 protected:
  void SetUp() override { BindMusicDevices(device, device); }
  // Start, a tick of each running timer, end.
  void Run(const MusicSettings& settings) {
    StartMusic(settings, timers);
    if (mp3Timer.IsEnabled()) OnMp3Timer();
    if (cdTimer.IsEnabled()) OnCdTimer(settings, cdTimer);
    StopMusic(settings, timers);
  }
  ScriptedDevice device;
  RecordedTimer mp3Timer{device.calls, L"mp3"};
  RecordedTimer cdTimer{device.calls, L"cd"};
  MusicTimers timers{mp3Timer, cdTimer};
};

TEST_F(MusicSessionTest, CdIsOpenedPolledAndClosed) {
  device.cdMode = L"stopped";
  Run(Music(zelvane::kBgmAudioCd, L""));
  EXPECT_THAT(device.calls,
              ElementsAre(L"open cdaudio", L"set cdaudio time format tmsf", L"cd timer on",
                          L"status cdaudio current track", L"status cdaudio number of tracks",
                          L"status cdaudio mode", L"play cdaudio", L"cd timer on", L"cd timer off",
                          L"stop cdaudio", L"close cdaudio"));
}

TEST_F(MusicSessionTest, CdWithoutDiscStopsPollingAndIsNotClosed) {
  device.disc = false;
  Run(Music(zelvane::kBgmAudioCd, L""));
  EXPECT_THAT(device.calls,
              ElementsAre(L"open cdaudio", L"set cdaudio time format tmsf", L"cd timer on",
                          L"status cdaudio current track", L"cd timer off"));
}

TEST_F(MusicSessionTest, Mp3IsOpenedCheckedAndClosedWhateverItsCase) {
  for (const wchar_t* file : {L"C:\\a.Mp3", L"C:\\amp3"}) {
    device.calls.clear();
    Run(Music(zelvane::kBgmMusicFile, file));
    EXPECT_THAT(device.calls,
                ElementsAre(L"open \"" + std::wstring(file) + L"\" type MPEGVideo Alias MP3Play",
                            L"play MP3Play", L"mp3 timer on", L"status MP3Play mode",
                            L"mp3 timer off", L"stop MP3Play", L"close MP3Play"));
  }
}

TEST_F(MusicSessionTest, WavLoopsWithoutATimerUntilTheEnd) {
  Run(Music(zelvane::kBgmMusicFile, L"C:\\a.wav"));
  EXPECT_THAT(device.calls, ElementsAre(L"PlaySound C:\\a.wav", L"PlaySound stop"));
}

TEST_F(MusicSessionTest, OtherFilesAndOtherKindsPlayNothing) {
  Run(Music(zelvane::kBgmMusicFile, L"C:\\a.mid"));
  Run(Music(zelvane::kBgmNone, L"C:\\a.mp3"));
  Run(Music(3, L"C:\\a.wav"));
  EXPECT_THAT(device.calls, IsEmpty());
}

}  // namespace
}  // namespace Zelvane_BGM
