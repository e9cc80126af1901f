// Media and sound services answering like a PC with a CD drive, the MPEG
// player and a wave device, recording every call in order.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "media_devices.h"
#include "music_player.h"
#include "music_session.h"

namespace zelvane::music {

class ScriptedDevice final : public MediaCommandService, public SoundService {
 public:
  static constexpr int32_t kFileNotFound = 275;
  static constexpr int32_t kNotReady = 276;
  static constexpr int32_t kUnrecognized = 261;  // has no error text

  std::vector<std::wstring> calls;  // also "PlaySound x" and "<name> timer on|off"
  std::map<std::wstring, MediaReply> answers;

  bool disc = true;
  std::wstring cdMode = L"playing";
  std::wstring track = L"1";
  bool mp3Opens = true;
  std::wstring mp3Mode = L"playing";
  int waveDevices = 1;

  MediaReply Send(const std::wstring& command, std::size_t replySize) override {
    calls.push_back(command);
    const auto scripted = answers.find(command);
    MediaReply reply = scripted != answers.end() ? scripted->second : Answer(command);
    // The reply buffer holds replySize characters including the closing NUL.
    reply.text = replySize == 0 ? L"" : reply.text.substr(0, replySize - 1);
    return reply;
  }
  std::optional<std::wstring> ErrorText(int32_t code) override {
    return code == kUnrecognized ? std::nullopt
                                 : std::optional(L"error text " + std::to_wstring(code));
  }
  int WaveOutputDevices() override { return waveDevices; }
  void PlayLooping(const std::wstring& sound) override { calls.push_back(L"PlaySound " + sound); }
  void Stop() override { calls.push_back(L"PlaySound stop"); }

 private:
  MediaReply Answer(const std::wstring& command) {
    const std::wstring cdPosition = L"status cdaudio position track ";
    if (command.starts_with(L"open \"")) return {mp3Opens ? 0 : kFileNotFound, L""};
    if (command.find(L" cdaudio") != std::wstring::npos) {
      if (!disc) return {kNotReady, L""};
      if (command == L"status cdaudio current track") return {0, track};
      if (command == L"status cdaudio number of tracks") return {0, L"12"};
      if (command == L"status cdaudio mode") return {0, cdMode};
      if (command.starts_with(cdPosition))
        return {0, L"0" + command.substr(cdPosition.size()) + L":00:00:00"};
      return {};
    }
    if (command == L"status MP3Play mode") return {0, mp3Mode};
    return {command.find(L" MP3Play") != std::wstring::npos ? 0 : kUnrecognized, L""};
  }
};

struct RecordedTimer final : PollingTimer {
  RecordedTimer(std::vector<std::wstring>& record, std::wstring label)
      : calls(record), name(std::move(label)) {}
  bool IsEnabled() const override { return enabled; }
  void SetEnabled(bool on) override {
    enabled = on;
    calls.push_back(name + (on ? L" timer on" : L" timer off"));
  }
  std::vector<std::wstring>& calls;
  std::wstring name;
  bool enabled = false;
};

class MusicTest : public testing::Test {
 protected:
  void SetUp() override { BindMusicDevices(device, device); }
  void TearDown() override {
    static ScriptedDevice unused;
    BindMusicDevices(unused, unused);
    CdAlive = rt::kFalse;
    McText.clear();
  }
  void Run(std::int16_t kind, const wchar_t* file) {
    const MusicSettings settings{kind, 0, file, L""};
    StartMusic(settings, timers);
    if (mp3Timer.IsEnabled()) OnMp3Timer();
    if (cdTimer.IsEnabled()) OnCdTimer(settings, cdTimer);
    StopMusic(settings, timers, MusicPause());
  }
  ScriptedDevice device;
  RecordedTimer mp3Timer{device.calls, L"mp3"};
  RecordedTimer cdTimer{device.calls, L"cd"};
  MusicTimers timers{mp3Timer, cdTimer};
};

}  // namespace zelvane::music
