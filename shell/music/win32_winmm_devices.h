// The music services on winmm: media command strings and PlaySound.
#pragma once

#include "media_devices.h"

namespace zelvane::music {

class WinmmMediaCommands final : public MediaCommandService {
 public:
  MediaReply Send(const std::wstring& command, std::size_t replySize) override;
  std::optional<std::wstring> ErrorText(int32_t code) override;
};

class WinmmSound final : public SoundService {
 public:
  int WaveOutputDevices() override;
  void PlayLooping(const std::wstring& sound) override;
  void Stop() override;
};

}  // namespace zelvane::music
