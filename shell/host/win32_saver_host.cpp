// Zelvane_S, the saver host: an invisible form titled "Zelvane_Main" for the
// whole saver run. Timer1 checks the MP3 every second, Timer2 the CD every
// 200 ms, and Timer3 watches the renderer it started. The music pauses while
// the displays are off.
#include "host/saver_host.h"

#include <windows.h>

#include "common/failure_trace.h"
#include "common/win32_display_power.h"
#include "host/renderer_launch.h"
#include "host/renderer_watch.h"
#include "host/win32_renderer_process.h"
#include "music_player.h"
#include "music_session.h"
#include "runtime/errors_suppressed.h"
#include "runtime/program_facts.h"
#include "runtime/win32_form.h"
#include "runtime/win32_program.h"
#include "runtime/win32_timer.h"
#include "saver_settings.h"
#include "shell_names.h"
#include "startup_mode.h"
#include "startup_state.h"
#include "win32_winmm_devices.h"

namespace zelvane::host {
namespace {

// A form timer as the music sequences see it.
class TimerSwitch final : public music::PollingTimer {
 public:
  explicit TimerSwitch(rt::Timer& timer) : timer_(timer) {}
  bool IsEnabled() const override { return timer_.Enabled(); }
  void SetEnabled(bool enabled) override { timer_.SetEnabled(enabled); }

 private:
  rt::Timer& timer_;
};

rt::FormLayout HostLayout() {
  rt::FormLayout layout;
  layout.caption = startup::kSaverHostTitle;
  return layout;
}

class Zelvane_S final : public rt::Form {
 public:
  Zelvane_S() : Form(HostLayout()) {
    Timer1.Tick = [this] { Timer1_Timer(); };
    Timer2.Tick = [this] { Timer2_Timer(); };
    Timer3.Tick = [this] { Timer3_Timer(); };
  }

 private:
  void Form_Load() override {
    rt::Attempt([this] {
      music_.kind = settings::BgmKind;
      music_.repeat = settings::BgmRepeat;
      music_.file = settings::BgmFile;
    });
    rt::Attempt([this] { music::BindMusicDevices(mediaCommands_, sound_); });
    music::StartMusic(music_, musicTimers_);
    // Heard at once with the present state: music started for displays that
    // are off already pauses straight away.
    displayPowerNotice_ = ListenForDisplayPower(hWnd());
    if (!displayPowerNotice_) ReportFailure("RegisterPowerSettingNotification");
    watch_ = RendererWatch(GetTickCount64());
    rt::Attempt([this] { RendererPath = RendererPathIn(rt::ProgramFolder()); });
    // A renderer that fails to start never shows its window; the bounded wait
    // for that window ends the run.
    rt::Attempt([this] {
      renderer_.Start(RendererPath, RendererCommandLine(RendererPath, settings::MonitorKind));
    });
  }

  void Timer1_Timer() { music::OnMp3Timer(); }

  void Timer2_Timer() { music::OnCdTimer(music_, cdSwitch_); }

  void Timer3_Timer() {
    const bool found = renderer_.HasWindowTitled(kRendererWindowTitle);
    const bool ended = renderer_.HasEnded();
    const RendererWatch::Verdict verdict = watch_.Look(found, ended, GetTickCount64());
    if (verdict == RendererWatch::Verdict::kWatching) return;
    if (verdict == RendererWatch::Verdict::kNeverAppeared) renderer_.End();
    rt::Attempt([this] { Timer3.SetEnabled(false); });
    Unload();
  }

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (DisplayPowerOfMessage(message, wParam, lParam)) {
      case DisplayPower::kOff:
        rt::RunHandler([this] { musicPause_.DisplaysOff(music_, musicTimers_); });
        break;
      case DisplayPower::kOn:
        rt::RunHandler([this] { musicPause_.DisplaysOn(music_, musicTimers_); });
        break;
      case DisplayPower::kUnknown:
        break;
    }
    if (message == WM_POWERBROADCAST) return TRUE;
    return Form::HandleMessage(message, wParam, lParam);
  }

  // However the host is unloaded, the run ends here and the program with it.
  void Form_QueryUnload(rt::Flag& cancel, rt::UnloadMode mode) override {
    (void)cancel;
    (void)mode;
    if (displayPowerNotice_) UnregisterPowerSettingNotification(displayPowerNotice_);
    music::StopMusic(music_, musicTimers_, musicPause_);
    rt::Attempt([] {
      startup::CursorAtRunEnd(startup::StartupModeFor(rt::CommandArguments()),
                              startup::SystemCursor());
    });
    rt::EndProgram();
  }

  rt::Timer Timer1{*this, music::kMp3CheckIntervalMs, false};
  rt::Timer Timer2{*this, music::kCdCheckIntervalMs, false};
  rt::Timer Timer3{*this, kRendererWatchIntervalMs, true};

  TimerSwitch mp3Switch_{Timer1};
  TimerSwitch cdSwitch_{Timer2};
  music::MusicTimers musicTimers_{mp3Switch_, cdSwitch_};
  music::WinmmMediaCommands mediaCommands_;
  music::WinmmSound sound_;
  settings::MusicSettings music_;
  music::MusicPause musicPause_;
  HPOWERNOTIFY displayPowerNotice_ = nullptr;
  RendererProcess renderer_;
  RendererWatch watch_{0};
  std::wstring RendererPath;
};

}  // namespace

void LoadSaverHost() {
  // The host lives until the program ends; the program's end does not unload it.
  static Zelvane_S* const host = new Zelvane_S;
  host->Load();
}

}  // namespace zelvane::host
