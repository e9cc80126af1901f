// Background music: a track of an audio CD or an MP3 file driven through media
// command strings, or a WAV file looped by the sound service. Plain routines on
// the shell's UI thread; the saver host opens, polls and closes the music.
// Every failure is absorbed; nothing is ever shown to the user.
#pragma once

#include <cstdint>
#include <string>

#include "media_devices.h"
#include "runtime/flags.h"

namespace zelvane::music {

// Result of MCI_Send for an empty command (nothing is sent).
constexpr int32_t kEmptyCommand = -1;

// Reply buffer sizes, in characters, of the commands that ask for a reply.
constexpr std::size_t kReplySize = 512;
constexpr std::size_t kCdModeSize = 255;
constexpr std::size_t kMp3ModeSize = 30;

// Set True at the start of every CD_Check, False when the CD can't be polled.
extern zelvane::rt::Flag CdAlive;
// Reply or error text of the latest command sent by MCI_Status or MCI_Play.
extern std::wstring McText;

// Routes the routines below to the platform's services. Until this is called,
// every command fails and there is no wave output device.
void BindMusicDevices(MediaCommandService& commands, SoundService& sound);

// Sends a command; text receives the reply, or the error text when it fails.
// Returns the service's code: 0 on success, kEmptyCommand for an empty command.
int32_t MCI_Send(const std::wstring& command, std::wstring& text);
// The reply to a query, or "Error:" followed by the error code.
std::wstring MCI_Status(const std::wstring& command);
// "play <device>" with optional " from <from>" and " to <to>"; returns its code.
int32_t MCI_Play(const std::wstring& device, const std::wstring& from, const std::wstring& to);

void CD_Open();
// One poll of the CD: starts or resumes playback, and with a repeat track other
// than 0 jumps back to that track whenever the disc has left it or stopped.
void CD_Check(int16_t bgmRepeat);
void CD_Close();
// While the displays are off the CD holds its place; playing on goes on from it.
void CD_Pause();
void CD_PlayOn();

void MP3_Open(const std::wstring& bgmFile);
zelvane::rt::Flag MP3_IsPlaying();
// Restarts the MP3 from its beginning once it has ended.
void MP3_Check();
void MP3_Close();
// While the displays are off the MP3 holds its place; playing on goes on from it.
void MP3_Pause();
void MP3_PlayOn();

void WAV_Play(const std::wstring& bgmFile);
void WAV_Stop();

}  // namespace zelvane::music
