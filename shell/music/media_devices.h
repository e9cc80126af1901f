// The two platform services the background music is played through: the media
// command string service (audio CD and MP3 files) and the simple sound service
// (WAV files). The product uses winmm; tests use a scripted stand-in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace zelvane::music {

// The answer to one media command.
struct MediaReply {
  int32_t code = 0;   // 0 on success, otherwise the service's error code
  std::wstring text;  // the reply up to its first NUL; empty when none was asked for or written
};

class MediaCommandService {
 public:
  virtual ~MediaCommandService() = default;
  // Sends a command synchronously, without a callback window. replySize is the
  // reply buffer's size in characters; 0 sends the command without one.
  virtual MediaReply Send(const std::wstring& command, std::size_t replySize) = 0;
  // The service's description of an error code, or nothing when it has none.
  virtual std::optional<std::wstring> ErrorText(int32_t code) = 0;
};

class SoundService {
 public:
  virtual ~SoundService() = default;
  virtual int WaveOutputDevices() = 0;
  // Plays a sound file in the background, looping until the next play or
  // stop. A file that can't be played gives silence.
  virtual void PlayLooping(const std::wstring& sound) = 0;
  virtual void Stop() = 0;
};

}  // namespace zelvane::music
