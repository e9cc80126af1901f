// How the saver host drives the music over one saver run: what it opens at
// start, what its two polling timers do, and what it closes at the end, for
// each kind of music.
#pragma once

#include <string>

#include "settings_values.h"

namespace zelvane::music {

using zelvane::settings::MusicSettings;

// Polling intervals of the host's MP3 and CD timers.
constexpr int kMp3CheckIntervalMs = 1000;
constexpr int kCdCheckIntervalMs = 200;

// A music file is told by its last three characters, in any case; any other
// ending plays nothing.
enum class MusicFileType { kOther, kWav, kMp3 };
MusicFileType MusicFileTypeOf(const std::wstring& file);

// One of the host's window timers, as far as the music is concerned.
class PollingTimer {
 public:
  virtual ~PollingTimer() = default;
  virtual bool IsEnabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
};

struct MusicTimers {
  PollingTimer& mp3;  // MP3 check, every kMp3CheckIntervalMs
  PollingTimer& cd;   // CD check, every kCdCheckIntervalMs
};

// Each step runs even when an earlier one failed; nothing escapes these.
void StartMusic(const MusicSettings& settings, const MusicTimers& timers) noexcept;
void OnMp3Timer() noexcept;
// Checks the CD and keeps polling only while it can be polled.
void OnCdTimer(const MusicSettings& settings, PollingTimer& cdTimer) noexcept;
void StopMusic(const MusicSettings& settings, const MusicTimers& timers) noexcept;

}  // namespace zelvane::music
