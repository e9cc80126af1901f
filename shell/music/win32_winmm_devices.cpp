#include "win32_winmm_devices.h"

#include <windows.h>
#include <mmsystem.h>

#include <vector>

namespace zelvane::music {

namespace {

constexpr UINT kErrorTextSize = 256;

std::wstring UpToNul(const std::vector<wchar_t>& buffer) {
  std::wstring text(buffer.data(), buffer.size());
  return text.substr(0, text.find(L'\0'));
}

}  // namespace

MediaReply WinmmMediaCommands::Send(const std::wstring& command, std::size_t replySize) {
  // The buffer starts cleared so that a command that writes nothing reads as an
  // empty reply rather than an earlier one.
  std::vector<wchar_t> buffer(replySize, L'\0');
  const MCIERROR code = mciSendStringW(command.c_str(), replySize ? buffer.data() : nullptr,
                                       static_cast<UINT>(replySize), nullptr);
  return {static_cast<int32_t>(code), UpToNul(buffer)};
}

std::optional<std::wstring> WinmmMediaCommands::ErrorText(int32_t code) {
  std::vector<wchar_t> buffer(kErrorTextSize, L'\0');
  if (!mciGetErrorStringW(static_cast<MCIERROR>(code), buffer.data(), kErrorTextSize)) {
    return std::nullopt;
  }
  return UpToNul(buffer);
}

int WinmmSound::WaveOutputDevices() {
  return static_cast<int>(waveOutGetNumDevs());
}

void WinmmSound::PlayLooping(const std::wstring& sound) {
  // Named as a file, so that it is never looked up as a sound alias, and never
  // replaced by the system's default sound when it can't be played.
  PlaySoundW(sound.c_str(), nullptr, SND_ASYNC | SND_LOOP | SND_FILENAME | SND_NODEFAULT);
}

void WinmmSound::Stop() {
  PlaySoundW(nullptr, nullptr, 0);
}

}  // namespace zelvane::music
