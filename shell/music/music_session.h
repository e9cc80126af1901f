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

// The music while the displays are off, when nobody is there to hear it and an
// open sound stream would keep the computer from sleeping. An audio CD or an
// MP3 pauses, and its polling stops so that no poll starts it again; a WAV
// can't pause, so it stops. When the displays are back the CD and the MP3 play
// on from where they were and are polled again, and the WAV starts again from
// its beginning. Being told of the state the displays are in already changes
// nothing.
class MusicPause {
 public:
  void DisplaysOff(const MusicSettings& settings, const MusicTimers& timers) noexcept;
  void DisplaysOn(const MusicSettings& settings, const MusicTimers& timers) noexcept;
  // The CD was being polled when the displays went off, and waits paused.
  bool CdPaused() const { return cdPaused_; }

 private:
  bool off_ = false;
  bool cdPaused_ = false;
};

// Each step runs even when an earlier one failed; nothing escapes these.
void StartMusic(const MusicSettings& settings, const MusicTimers& timers) noexcept;
void OnMp3Timer() noexcept;
// Checks the CD and keeps polling only while it can be polled.
void OnCdTimer(const MusicSettings& settings, PollingTimer& cdTimer) noexcept;
// Music paused for dark displays is stopped and closed too.
void StopMusic(const MusicSettings& settings, const MusicTimers& timers,
               const MusicPause& pause) noexcept;

}  // namespace zelvane::music
