// Media and sound services that answer like a PC with a CD drive, the MPEG
// player and a wave output device, and record every call in order.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "media_devices.h"

namespace zelvane::music {

class ScriptedDevice : public MediaCommandService, public SoundService {
 public:
  static constexpr int32_t kNotOpen = 263;
  static constexpr int32_t kFileNotFound = 275;
  static constexpr int32_t kNotReady = 276;
  static constexpr int32_t kUnrecognized = 261;  // has no error text

  // Commands as sent; sound calls as "PlaySound <name>" and "PlaySound stop".
  std::vector<std::wstring> calls;
  // Each command with the size of the reply buffer it was sent with.
  std::vector<std::pair<std::wstring, std::size_t>> replySizes;
  // Commands answered with these replies instead, as a failing drive would.
  std::map<std::wstring, MediaReply> answers;

  bool disc = true;
  std::wstring cdMode = L"playing";
  int track = 1;
  bool mp3Opens = true;
  std::wstring mp3Mode = L"playing";
  int waveDevices = 1;

  MediaReply Send(const std::wstring& command, std::size_t replySize) override;
  std::optional<std::wstring> ErrorText(int32_t code) override;
  int WaveOutputDevices() override { return waveDevices; }
  void PlayLooping(const std::wstring& sound) override { calls.push_back(L"PlaySound " + sound); }
  void Stop() override { calls.push_back(L"PlaySound stop"); }

 private:
  MediaReply Answer(const std::wstring& command);
  bool cdOpen_ = false;
  bool mp3Open_ = false;
};

}  // namespace zelvane::music
