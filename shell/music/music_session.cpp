#include "music_session.h"

#include "music_player.h"
#include "settings_names.h"

namespace zelvane::music {

namespace {

// Runs one step of a handler; a step that fails is skipped and the next one runs.
template <typename Step>
void RunStep(Step&& step) noexcept {
  try {
    step();
  } catch (...) {
  }
}

// The type of the music file a run plays; kOther when it plays no file.
MusicFileType PlayedFileType(const MusicSettings& settings) noexcept {
  MusicFileType type = MusicFileType::kOther;
  if (settings.kind == zelvane::settings::kBgmMusicFile) {
    RunStep([&] { type = MusicFileTypeOf(settings.file); });
  }
  return type;
}

}  // namespace

MusicFileType MusicFileTypeOf(const std::wstring& file) {
  std::wstring ending = file.substr(file.size() < 3 ? 0 : file.size() - 3);
  for (wchar_t& c : ending) {
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
  }
  if (ending == L"WAV") return MusicFileType::kWav;
  if (ending == L"MP3") return MusicFileType::kMp3;
  return MusicFileType::kOther;
}

void StartMusic(const MusicSettings& settings, const MusicTimers& timers) noexcept {
  if (settings.kind == zelvane::settings::kBgmAudioCd) {
    // Playback itself begins with the first CD check.
    RunStep([] { CD_Open(); });
    RunStep([&] { timers.cd.SetEnabled(true); });
  }
  const MusicFileType type = PlayedFileType(settings);
  // A WAV file loops by itself; only an MP3 needs restarting.
  if (type == MusicFileType::kWav) RunStep([&] { WAV_Play(settings.file); });
  if (type == MusicFileType::kMp3) {
    RunStep([&] { MP3_Open(settings.file); });
    RunStep([&] { timers.mp3.SetEnabled(true); });
  }
}

void OnMp3Timer() noexcept {
  RunStep([] { MP3_Check(); });
}

void OnCdTimer(const MusicSettings& settings, PollingTimer& cdTimer) noexcept {
  RunStep([&] { CD_Check(settings.repeat); });
  RunStep([&] { cdTimer.SetEnabled(zelvane::rt::IsSet(CdAlive)); });
}

void MusicPause::DisplaysOff(const MusicSettings& settings, const MusicTimers& timers) noexcept {
  if (off_) return;
  off_ = true;
  RunStep([&] { cdPaused_ = timers.cd.IsEnabled(); });
  if (cdPaused_) {
    RunStep([&] { timers.cd.SetEnabled(false); });
    RunStep([] { CD_Pause(); });
  }
  const MusicFileType type = PlayedFileType(settings);
  if (type == MusicFileType::kWav) RunStep([] { WAV_Stop(); });
  if (type == MusicFileType::kMp3) {
    RunStep([&] { timers.mp3.SetEnabled(false); });
    RunStep([] { MP3_Pause(); });
  }
}

void MusicPause::DisplaysOn(const MusicSettings& settings, const MusicTimers& timers) noexcept {
  if (!off_) return;
  off_ = false;
  if (cdPaused_) {
    cdPaused_ = false;
    RunStep([] { CD_PlayOn(); });
    RunStep([&] { timers.cd.SetEnabled(true); });
  }
  const MusicFileType type = PlayedFileType(settings);
  if (type == MusicFileType::kWav) RunStep([&] { WAV_Play(settings.file); });
  if (type == MusicFileType::kMp3) {
    RunStep([] { MP3_PlayOn(); });
    RunStep([&] { timers.mp3.SetEnabled(true); });
  }
}

void StopMusic(const MusicSettings& settings, const MusicTimers& timers,
               const MusicPause& pause) noexcept {
  // Once polling has stopped for a failure the CD could not be reached, so it
  // is left alone.
  bool cdPolling = pause.CdPaused();
  RunStep([&] { cdPolling = cdPolling || timers.cd.IsEnabled(); });
  if (cdPolling) {
    RunStep([&] { timers.cd.SetEnabled(false); });
    RunStep([] { CD_Close(); });
  }
  const MusicFileType type = PlayedFileType(settings);
  if (type == MusicFileType::kWav) RunStep([] { WAV_Stop(); });
  if (type == MusicFileType::kMp3) {
    RunStep([&] { timers.mp3.SetEnabled(false); });
    RunStep([] { MP3_Close(); });
  }
}

}  // namespace zelvane::music
