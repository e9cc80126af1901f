#include "scripted_device.h"

namespace zelvane::music {

MediaReply ScriptedDevice::Send(const std::wstring& command, std::size_t replySize) {
  calls.push_back(command);
  replySizes.emplace_back(command, replySize);
  const auto scripted = answers.find(command);
  MediaReply reply = scripted != answers.end() ? scripted->second : Answer(command);
  // The reply buffer holds replySize characters including the closing NUL.
  reply.text = replySize == 0 ? L"" : reply.text.substr(0, replySize - 1);
  return reply;
}

std::optional<std::wstring> ScriptedDevice::ErrorText(int32_t code) {
  if (code == kUnrecognized) return std::nullopt;
  return L"error text " + std::to_wstring(code);
}

MediaReply ScriptedDevice::Answer(const std::wstring& command) {
  const auto startsWith = [&](const std::wstring& prefix) { return command.rfind(prefix, 0) == 0; };
  if (command == L"open cdaudio") {
    cdOpen_ = true;
    return {};
  }
  if (startsWith(L"open \"")) {
    mp3Open_ = mp3Opens;
    return {mp3Opens ? 0 : kFileNotFound, L""};
  }
  if (command.find(L" cdaudio") != std::wstring::npos) {
    if (!cdOpen_) return {kNotOpen, L""};
    if (!disc) return {kNotReady, L""};
    if (command == L"status cdaudio current track") return {0, std::to_wstring(track)};
    if (command == L"status cdaudio number of tracks") return {0, L"12"};
    if (command == L"status cdaudio mode") return {0, cdMode};
    const std::wstring positionQuery = L"status cdaudio position track ";
    if (startsWith(positionQuery)) {
      return {0, L"0" + command.substr(positionQuery.size()) + L":00:00:00"};
    }
    return {};
  }
  if (command.find(L" MP3Play") != std::wstring::npos) {
    if (!mp3Open_) return {kNotOpen, L""};
    if (command == L"status MP3Play mode") return {0, mp3Mode};
    return {};
  }
  return {kUnrecognized, L""};
}

}  // namespace zelvane::music
