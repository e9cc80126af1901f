// The music module bound to a scripted device for each test, and the host's
// whole run of the music against it.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "music_player.h"
#include "music_session.h"
#include "scripted_device.h"

namespace zelvane::music {

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

class MusicTest : public ::testing::Test {
 protected:
  void SetUp() override { BindMusicDevices(device, device); }
  // The module outlives the fixture: it must not keep the fixture's device,
  // nor carry its flag and text into the next test.
  void TearDown() override {
    static ScriptedDevice unused;
    BindMusicDevices(unused, unused);
    CdAlive = zelvane::rt::kFalse;
    McText.clear();
  }
  // The host's whole run: start, one tick of each running timer, end.
  void Run(std::int16_t kind, const wchar_t* file) {
    MusicSettings settings;
    settings.kind = kind;
    settings.file = file;
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

}  // namespace zelvane::music
