#include "music_player.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "music_fixture.h"

namespace zelvane::music {
namespace {

using ::testing::ElementsAre;
using zelvane::rt::kTrue;

TEST_F(MusicTest, SendHandsBackTheReplyOrTheErrorText) {
  std::wstring text;
  EXPECT_EQ(MCI_Send(L"", text), kEmptyCommand);
  EXPECT_EQ(text, L"コマンド文字列が指定されていません");
  EXPECT_TRUE(device.calls.empty());
  EXPECT_EQ(MCI_Send(L"eject everything", text), ScriptedDevice::kUnrecognized);
  EXPECT_EQ(text, L"Error (文字列が取れません)");
  CD_Open();
  EXPECT_EQ(MCI_Status(L"status cdaudio current track"), L"1");
  EXPECT_EQ(McText, L"1");
  device.disc = false;
  EXPECT_EQ(MCI_Status(L"status cdaudio mode"), L"Error:276");
  EXPECT_EQ(McText, L"error text 276");
}

TEST_F(MusicTest, CdPollingEndsOnlyWhenTheTrackQueriesFail) {
  const wchar_t* track = L"status cdaudio current track";
  const wchar_t* tracks = L"status cdaudio number of tracks";
  const int32_t notReady = ScriptedDevice::kNotReady;
  const struct {
    const wchar_t *command, *reply, *lastSent;
    int32_t code;
    bool alive;
  } cases[] = {
      {track, L"", track, notReady, false},
      {track, L"err", track, 0, false},
      {tracks, L"", tracks, notReady, false},
      {tracks, L"Error", tracks, 0, false},
      // A track beyond the disc: the play from the error text fails, and
      // polling goes on to try again.
      {L"status cdaudio position track 3", L"", L"play cdaudio from Error:276", notReady, true},
  };
  device.track = L"4";
  for (const auto& c : cases) {
    device.answers = {{c.command, MediaReply{c.code, c.reply}}};
    CdAlive = rt::kFalse;
    CD_Check(3);
    EXPECT_EQ(CdAlive, c.alive ? kTrue : rt::kFalse) << c.command;
    EXPECT_EQ(device.calls.back(), c.lastSent) << c.command;
  }
}

TEST_F(MusicTest, CdCheckPlaysOnlyWhenTheDiscStoppedOrLeftTheRepeatTrack) {
  const auto jumpBack = [](const std::wstring& track) {
    return std::vector<std::wstring>{L"status cdaudio position track " + track,
                                     L"play cdaudio from 0" + track + L":00:00:00"};
  };
  // The track reply is read as a number: blanks and a sign before it are
  // allowed, and a reply without one reads as no track at all.
  struct Case {
    std::int16_t repeat;
    const wchar_t *track, *mode;
    std::vector<std::wstring> afterQueries;
  };
  for (const Case& c :
       {Case{0, L"5", L"playing", {}}, Case{0, L"5", L"stoppedXYZ", {L"play cdaudio"}},
        Case{10, L"10", L"playing", {}}, Case{12, L"12", L"playing", {}},
        Case{3, L" +3", L"playing", {}}, Case{3, L"4", L"playing", jumpBack(L"3")},
        Case{3, L"3", L"stopped", jumpBack(L"3")}, Case{1, L" ", L"playing", jumpBack(L"1")}}) {
    device.calls = {};
    device.track = c.track;
    device.cdMode = c.mode;
    CD_Check(c.repeat);
    EXPECT_EQ(std::vector(device.calls.begin() + 3, device.calls.end()), c.afterQueries)
        << "repeat " << c.repeat << ", track " << c.track;
    EXPECT_EQ(CdAlive, kTrue);
  }
}

TEST_F(MusicTest, Mp3IsOpenedQuotedPlayedOnlyWhenItOpensAndRestartedWhenItEnds) {
  MP3_Open(L"C:\\a.mp3\" type waveaudio alias x \"b.mp3");  // not a file name: not sent
  device.mp3Opens = false;
  MP3_Open(L"C:\\gone.mp3");
  device.mp3Opens = true;
  MP3_Open(L"C:\\My Music\\night sky.mp3");
  MP3_Check();
  device.mp3Mode = L"stopped";
  MP3_Check();
  EXPECT_THAT(device.calls,
              ElementsAre(L"open \"C:\\gone.mp3\" type MPEGVideo Alias MP3Play",
                          L"open \"C:\\My Music\\night sky.mp3\" type MPEGVideo Alias MP3Play",
                          L"play MP3Play", L"status MP3Play mode", L"status MP3Play mode",
                          L"stop MP3Play", L"play MP3Play from 0"));
}

}  // namespace
}  // namespace zelvane::music
