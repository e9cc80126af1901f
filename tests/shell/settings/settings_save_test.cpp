#include "settings_save.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "settings_names.h"
#include "settings_values.h"
#include "whole_file_save.h"

namespace zelvane::settings {
namespace {

using Files = std::map<std::wstring, std::string>;
using Paths = std::vector<std::wstring>;

const std::wstring kProgramFolder = L"C:\\Saver", kAppData = L"C:\\Users\\A\\AppData\\Roaming";
const SettingsPlaces kPlaces = SettingsPlacesFor(kProgramFolder, kAppData);
const std::wstring kBeside = kPlaces.besideProgram, kPerUser = kPlaces.perUser;

// Files in memory, with every state they pass through. A locked folder takes
// no new, renamed or removed file, a locked file no writing; the write check,
// the replace and the move fail as the queues say, one failure a call.
class FakeFiles final : public FileSystem {
 public:
  Files files;
  std::set<std::wstring> folders{kProgramFolder, kAppData}, locked, unreadable;
  int busyChecks = 0;
  std::deque<FileError> replaceFailures, moveFailures;
  bool diskFull = false;  // new files are written only in part
  int replaces = 0, pausedMs = 0;
  std::vector<Files> history;

  FileContents Read(const std::wstring& path) override {
    if (unreadable.contains(path)) return {FileContents::Status::kFailed, FileError::kOther, {}};
    if (!files.contains(path)) return {FileContents::Status::kMissing, FileError::kMissing, {}};
    return {FileContents::Status::kRead, FileError::kNone, files[path]};
  }
  bool IsFile(const std::wstring& path) override { return files.contains(path); }
  FileError CheckWritable(const std::wstring& path) override {
    if (busyChecks > 0 && busyChecks-- > 0) return FileError::kBusy;
    return locked.contains(path) ? FileError::kNoAccess : FileError::kNone;
  }
  FileError WriteNew(const std::wstring& path, std::string_view content) override {
    if (const FileError error = NamesCanChange(path); error != FileError::kNone) return error;
    return Changed(files[path] = content.substr(0, diskFull ? 1 : content.size()),
                   diskFull ? FileError::kOther : FileError::kNone);
  }
  FileError Overwrite(const std::wstring& path, std::string_view content) override {
    return locked.contains(path) ? FileError::kNoAccess : Changed(files[path] = content);
  }
  FileError Replace(const std::wstring& path, const std::wstring& replacement) override {
    ++replaces;
    const FileError error = Next(replaceFailures);
    if (error == FileError::kOldFileGone) return Changed(files.erase(path), error);
    if (error != FileError::kNone) return error;
    return Changed(files[path] = files.extract(replacement).mapped());
  }
  FileError MoveOver(const std::wstring& from, const std::wstring& path) override {
    FileError error = Next(moveFailures);
    if (error == FileError::kNone) error = NamesCanChange(path);
    if (error != FileError::kNone) return error;
    return Changed(files[path] = files.extract(from).mapped());
  }
  void Remove(const std::wstring& path) override { Changed(files.erase(path)); }
  FileError MakeFolder(const std::wstring& path) override {
    const FileError error = NamesCanChange(path);
    if (error == FileError::kNone) folders.insert(path);
    return error;
  }
  std::wstring TemporaryBeside(const std::wstring& path) override { return path + L".tmp"; }
  void Pause(int milliseconds) override { pausedMs += milliseconds; }

 private:
  FileError NamesCanChange(const std::wstring& path) const {
    const std::wstring folder = FolderOf(path);
    if (!folders.contains(folder)) return FileError::kMissing;
    return locked.contains(folder) ? FileError::kNoAccess : FileError::kNone;
  }
  template <class T>
  FileError Changed(const T&, FileError result = FileError::kNone) {
    history.push_back(files);
    return result;
  }
  static FileError Next(std::deque<FileError>& failures) {
    if (failures.empty()) return FileError::kNone;
    const FileError error = failures.front();
    failures.pop_front();
    return error;
  }
};

// The keys as the file holds them, in code page 932.
const std::string kKind = "BGM\x8B\xE6\x95\xAA", kRepeat = "BGM\xD8\xCB\xDF\xB0\xC4",
                  kFile = "BGM\xCC\xA7\xB2\xD9";
const std::vector<SettingText> kChoice = {
    {kBgmKindKey, L"2"}, {kBgmRepeatKey, L"0"}, {kBgmFileKey, L"D:\\曲.mp3"}};
const std::string kChoiceLines =
    kKind + "=2\r\n" + kRepeat + "=0\r\n" + kFile + "=D:\\\x8B\xC8.mp3\r\n";

TEST(SettingsPlaces, ThePerUserFileIsReadWhereItExistsAndTriedWhereTheProgramFileIsNotWritable) {
  EXPECT_EQ(kPerUser, kAppData + L"\\ゼルヴェイン\\ゼルヴェイン.ini");
  const SettingsPlaces noUser = SettingsPlacesFor(kProgramFolder, L"");
  const auto only = [](const std::wstring& file) {
    return [file](const std::wstring& path) { return path == file; };
  };
  EXPECT_EQ(FileToRead(kPlaces, only(kPerUser)), kPerUser);
  EXPECT_EQ(FileToRead(kPlaces, only(kBeside)), kBeside);
  EXPECT_EQ(FileToRead(noUser, only(L"")), kBeside);

  EXPECT_EQ(FilesToWrite(kPlaces, kBeside), (Paths{kBeside, kPerUser}));
  EXPECT_EQ(FilesToWrite(kPlaces, kPerUser), Paths{kPerUser});
  EXPECT_EQ(FilesToWrite(noUser, kBeside), Paths{kBeside});
}

class SaveTest : public testing::Test {
 protected:
  SaveOutcome Save(const std::wstring& readFrom = kBeside) {
    return SaveSettingTexts(fake, kPlaces, readFrom, kChoice);
  }

  FakeFiles fake;
};

// A saver in a writable folder saves there, every key in one replace, and
// never makes a per-user file; a save that changes nothing writes nothing.
TEST_F(SaveTest, AWritableProgramFolderKeepsTheSettingsAsAlways) {
  fake.files[kBeside] = "[Section]\r\nOther=x\r\n";
  const SaveOutcome outcome = Save();
  EXPECT_TRUE(outcome.saved);
  EXPECT_EQ(outcome.tried, Paths{kBeside});
  EXPECT_EQ(fake.files, (Files{{kBeside, "[Section]\r\nOther=x\r\n" + kChoiceLines}}));
  EXPECT_TRUE(Save().saved);
  EXPECT_EQ(fake.replaces, 1);
  EXPECT_EQ(fake.folders.size(), 2u);

  fake.files.clear();
  EXPECT_TRUE(Save().saved);
  EXPECT_EQ(fake.files, (Files{{kBeside, "[Section]\r\n" + kChoiceLines}}));
}

// The new per-user file starts from the program folder's; once it exists, it
// is the one read and written.
TEST_F(SaveTest, AnUnwritableProgramFolderSendsTheSettingsToAPerUserFileThatKeepsEveryKey) {
  const std::string program = "; mine\r\n[Section]\r\n" + kKind + "=1\r\nOther=x\r\n";
  fake.files[kBeside] = program;
  fake.locked = {kProgramFolder, kBeside};
  EXPECT_EQ(Save().tried, (Paths{kBeside, kPerUser}));
  EXPECT_EQ(fake.files,
            (Files{{kBeside, program},
                   {kPerUser, "; mine\r\n[Section]\r\n" + kKind + "=2\r\nOther=x\r\n" + kRepeat +
                                  "=0\r\n" + kFile + "=D:\\\x8B\xC8.mp3\r\n"}}));

  fake.locked.clear();
  fake.files[kPerUser] = "";
  EXPECT_EQ(Save(kPerUser).tried, Paths{kPerUser});
  EXPECT_EQ(fake.files, (Files{{kBeside, program}, {kPerUser, "[Section]\r\n" + kChoiceLines}}));
}

// A file held beyond the save's patience, or one that cannot be read, is no
// reason to move the settings elsewhere.
TEST_F(SaveTest, WhereNothingCanBeWrittenTheSaveSaysSoAndChangesNothing) {
  fake.files[kBeside] = "[Section]\r\n";
  fake.locked = {kProgramFolder, kBeside, kAppData};
  SaveOutcome outcome = Save();
  EXPECT_FALSE(outcome.saved);
  EXPECT_EQ(outcome.tried, (Paths{kBeside, kPerUser}));

  fake.locked.clear();
  fake.busyChecks = kBusyRetries + 1;
  outcome = Save();
  EXPECT_FALSE(outcome.saved);
  EXPECT_EQ(outcome.tried, Paths{kBeside});
  EXPECT_EQ(fake.pausedMs, kBusyRetries * kBusyRetryPauseMs);
  fake.unreadable.insert(kBeside);
  EXPECT_FALSE(Save().saved);
  EXPECT_TRUE(fake.history.empty());
}

// The steps of one save over an existing file whose replace fails: at every
// moment the file holds its old or its new content, or the temporary file
// holds the new content whole.
TEST(SaveWholeFile, AFailingReplaceLeavesTheOldFileOrTheNewOneWhole) {
  const std::wstring path = kBeside, temporary = path + L".tmp";
  const FileError busy = FileError::kBusy, denied = FileError::kNoAccess,
                  gone = FileError::kOldFileGone, other = FileError::kOther;
  const struct {
    const char* what;
    std::deque<FileError> replaceFailures, moveFailures;
    Files left;
  } cases[] = {
      {"held for a moment", {busy, busy, denied}, {}, {{path, "new"}}},
      {"held too long", std::deque<FileError>(kBusyRetries + 1, busy), {busy}, {{path, "old"}}},
      {"lost the old file", {gone}, {}, {{path, "new"}}},
      {"lost the old file, moved later", {gone}, {denied, busy}, {{path, "new"}}},
      {"lost the old file, cannot move", {gone}, {other}, {{temporary, "new"}}},
      {"failed otherwise", {other}, {}, {{path, "new"}}},
      {"failed otherwise, cannot move", {other}, {other}, {{path, "old"}}},
  };
  for (const auto& c : cases) {
    FakeFiles fake;
    fake.files[path] = "old";
    fake.replaceFailures = c.replaceFailures;
    fake.moveFailures = c.moveFailures;
    const bool saved = SaveWholeFile(fake, path, "new", true) == FileError::kNone;
    EXPECT_EQ(saved, c.left.contains(path) && c.left.at(path) == "new") << c.what;
    EXPECT_EQ(fake.files, c.left) << c.what;
    EXPECT_LE(fake.pausedMs, kBusyRetries * kBusyRetryPauseMs) << c.what;
    for (Files& state : fake.history) {
      EXPECT_TRUE(state[path] == "old" || state[path] == "new" || state[temporary] == "new")
          << c.what;
    }
  }
}

// Where no file can be made beside it, the file is written in place. A full
// disk leaves nothing.
TEST(SaveWholeFile, WritesInPlaceWithoutRoomBesideItAndLeavesNothingOnAFullDisk) {
  FakeFiles fake;
  fake.files[kBeside] = "old";
  fake.diskFull = true;
  EXPECT_EQ(SaveWholeFile(fake, kBeside, "new", true), FileError::kOther);
  EXPECT_EQ(fake.files, (Files{{kBeside, "old"}}));
  fake.diskFull = false;
  fake.locked = {kProgramFolder};
  EXPECT_EQ(SaveWholeFile(fake, kBeside, "newer", true), FileError::kNone);
  fake.locked.insert(kBeside);
  EXPECT_EQ(SaveWholeFile(fake, kBeside, "newest", true), FileError::kNoAccess);
  EXPECT_EQ(SaveWholeFile(fake, kProgramFolder + L"\\t.ini", "new", false), FileError::kNoAccess);
  EXPECT_EQ(fake.files, (Files{{kBeside, "newer"}}));
}

}  // namespace
}  // namespace zelvane::settings
