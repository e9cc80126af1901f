#include "music_player.h"

namespace zelvane::music {

using zelvane::rt::Flag;
using zelvane::rt::kFalse;
using zelvane::rt::kTrue;

Flag CdAlive = kFalse;
std::wstring McText;

namespace {

constexpr wchar_t kCdDevice[] = L"cdaudio";
constexpr wchar_t kModeStopped[] = L"stopped";
constexpr wchar_t kModePlaying[] = L"playing";
constexpr std::size_t kModeLength = 7;  // both mode words are seven characters long
constexpr std::size_t kNoReply = 0;

// Stands in until the host binds the real devices: nothing can be opened or played.
class NoDevices final : public MediaCommandService, public SoundService {
 public:
  MediaReply Send(const std::wstring&, std::size_t) override { return {kNoDeviceError, {}}; }
  std::optional<std::wstring> ErrorText(int32_t) override { return std::nullopt; }
  int WaveOutputDevices() override { return 0; }
  void PlayLooping(const std::wstring&) override {}
  void Stop() override {}

 private:
  static constexpr int32_t kNoDeviceError = 1;
};

NoDevices noDevices;
MediaCommandService* commands = &noDevices;
SoundService* sound = &noDevices;

void SendIgnoringReply(const std::wstring& command) {
  commands->Send(command, kNoReply);
}

std::wstring ModeWord(const std::wstring& command, std::size_t replySize) {
  return commands->Send(command, replySize).text.substr(0, kModeLength);
}

// Failed queries come back as "Error:<code>", and the device's own replies may
// carry the word in any case.
bool ReportsError(const std::wstring& reply) {
  std::wstring upper = reply;
  for (wchar_t& c : upper) {
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
  }
  return upper.find(L"ERR") != std::wstring::npos;
}

// The whole number a device reply starts with, after leading blanks: the
// track numbers the CD reports. 0 when there is none.
long TrackNumberInReply(const std::wstring& text) {
  std::size_t i = text.find_first_not_of(L" \t\r\n");
  if (i == std::wstring::npos) return 0;
  const bool negative = text[i] == L'-';
  if (text[i] == L'-' || text[i] == L'+') ++i;
  long value = 0;
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
    if (value > 1'000'000'000L) break;  // far beyond any track number; avoids overflow
    value = value * 10 + (text[i] - L'0');
  }
  return negative ? -value : value;
}

}  // namespace

void BindMusicDevices(MediaCommandService& commandService, SoundService& soundService) {
  commands = &commandService;
  sound = &soundService;
}

int32_t MCI_Send(const std::wstring& command, std::wstring& text) {
  if (command.empty()) {
    text = L"コマンド文字列が指定されていません";
    return kEmptyCommand;
  }
  MediaReply reply = commands->Send(command, kReplySize);
  if (reply.code != 0) {
    text = commands->ErrorText(reply.code).value_or(L"Error (文字列が取れません)");
    return reply.code;
  }
  text = std::move(reply.text);
  return 0;
}

std::wstring MCI_Status(const std::wstring& command) {
  const int32_t code = MCI_Send(command, McText);
  if (code != 0) return L"Error:" + std::to_wstring(code);
  return McText;
}

int32_t MCI_Play(const std::wstring& device, const std::wstring& from, const std::wstring& to) {
  std::wstring command = L"play " + device;
  if (!from.empty()) command += L" from " + from;
  if (!to.empty()) command += L" to " + to;
  return MCI_Send(command, McText);
}

void CD_Open() {
  SendIgnoringReply(L"open cdaudio");
  SendIgnoringReply(L"set cdaudio time format tmsf");
}

void CD_Check(int16_t bgmRepeat) {
  CdAlive = kTrue;
  try {
    // No disc, no drive or a device that failed to open: stop polling for good.
    const std::wstring currentTrack = MCI_Status(L"status cdaudio current track");
    if (ReportsError(currentTrack) ||
        ReportsError(MCI_Status(L"status cdaudio number of tracks"))) {
      CdAlive = kFalse;
      return;
    }
    const bool stopped = ModeWord(L"status cdaudio mode", kCdModeSize) == kModeStopped;
    if (bgmRepeat == 0) {
      if (stopped) MCI_Play(kCdDevice, L"", L"");
      return;
    }
    if (stopped || TrackNumberInReply(currentTrack) != bgmRepeat) {
      // A track beyond the disc gives an error text as the position, so the play
      // fails; polling goes on and tries again next time.
      const std::wstring start =
          MCI_Status(L"status cdaudio position track " + std::to_wstring(bgmRepeat));
      MCI_Play(kCdDevice, start, L"");
    }
  } catch (...) {
    CdAlive = kFalse;
  }
}

void CD_Close() {
  SendIgnoringReply(L"stop cdaudio");
  SendIgnoringReply(L"close cdaudio");
}

void CD_Pause() {
  SendIgnoringReply(L"pause cdaudio");
}

void CD_PlayOn() {
  // Without a position, play goes on from where the pause left the disc.
  SendIgnoringReply(L"play cdaudio");
}

void MP3_Open(const std::wstring& bgmFile) {
  // The name is quoted so that blanks in it are kept. A quotation mark can't be
  // part of a Windows file name, and inside the command it would end the name
  // early and pass the rest on as command words, so such a name is not opened.
  if (bgmFile.find(L'"') != std::wstring::npos) return;
  const MediaReply open =
      commands->Send(L"open \"" + bgmFile + L"\" type MPEGVideo Alias MP3Play", kNoReply);
  if (open.code == 0) SendIgnoringReply(L"play MP3Play");
}

Flag MP3_IsPlaying() {
  return ModeWord(L"status MP3Play mode", kMp3ModeSize) == kModePlaying ? kTrue : kFalse;
}

void MP3_Check() {
  if (MP3_IsPlaying() == kTrue) return;
  SendIgnoringReply(L"stop MP3Play");
  SendIgnoringReply(L"play MP3Play from 0");
}

void MP3_Close() {
  SendIgnoringReply(L"stop MP3Play");
  SendIgnoringReply(L"close MP3Play");
}

void MP3_Pause() {
  SendIgnoringReply(L"pause MP3Play");
}

void MP3_PlayOn() {
  SendIgnoringReply(L"play MP3Play");
}

void WAV_Play(const std::wstring& bgmFile) {
  if (sound->WaveOutputDevices() <= 0) return;
  sound->PlayLooping(bgmFile);
}

void WAV_Stop() {
  sound->Stop();
}

}  // namespace zelvane::music
