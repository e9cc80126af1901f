#include "settings_save.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <numeric>
#include <set>
#include <string>
#include <vector>

#include "settings_names.h"
#include "settings_values.h"
#include "whole_file_save.h"

namespace zelvane::settings {
namespace {

using Files = std::map<std::wstring, std::string>;

// Files in memory. Places can be made unwritable, and the replace, the move
// and the write check can be made to fail as the system's may. Every state
// the files pass through is kept.
class FakeFiles final : public FileSystem {
 public:
  Files files;
  std::set<std::wstring> folders;
  std::set<std::wstring> lockedFolders;  // no file can be made, renamed or removed there
  std::set<std::wstring> lockedFiles;    // the file refuses writing
  std::set<std::wstring> unreadable;
  bool diskFull = false;                  // new files are written only in part
  int busyChecks = 0;                     // write checks that find the file held
  std::deque<FileError> replaceFailures;  // the next replaces fail so, in turn
  std::deque<FileError> moveFailures;
  int replaces = 0;
  int pausedMs = 0;
  std::vector<Files> history;

  FileContents Read(const std::wstring& path) override {
    if (unreadable.contains(path)) return {FileContents::Status::kFailed, FileError::kOther, {}};
    if (!files.contains(path)) return {FileContents::Status::kMissing, FileError::kMissing, {}};
    return {FileContents::Status::kRead, FileError::kNone, files[path]};
  }
  bool IsFile(const std::wstring& path) override { return files.contains(path); }
  FileError CheckWritable(const std::wstring& path) override {
    if (busyChecks > 0) {
      --busyChecks;
      return FileError::kBusy;
    }
    return lockedFiles.contains(path) ? FileError::kNoAccess : FileError::kNone;
  }
  FileError WriteNew(const std::wstring& path, std::string_view content) override {
    if (const FileError error = CanChangeNamesIn(path); error != FileError::kNone) return error;
    if (diskFull) return Changed(files[path] = content.substr(0, 1), FileError::kOther);
    return Changed(files[path] = content);
  }
  FileError Overwrite(const std::wstring& path, std::string_view content) override {
    if (lockedFiles.contains(path)) return FileError::kNoAccess;
    return Changed(files[path] = content);
  }
  FileError Replace(const std::wstring& path, const std::wstring& replacement) override {
    ++replaces;
    const FileError error = Next(replaceFailures);
    if (error == FileError::kOldFileGone) return Changed(files.erase(path), error);
    if (error != FileError::kNone) return error;
    return Changed(files[path] = files.extract(replacement).mapped());
  }
  FileError MoveOver(const std::wstring& from, const std::wstring& path) override {
    if (const FileError error = Next(moveFailures); error != FileError::kNone) return error;
    if (const FileError error = CanChangeNamesIn(path); error != FileError::kNone) return error;
    return Changed(files[path] = files.extract(from).mapped());
  }
  void Remove(const std::wstring& path) override { Changed(files.erase(path)); }
  FileError MakeFolder(const std::wstring& path) override {
    if (const FileError error = CanChangeNamesIn(path); error != FileError::kNone) return error;
    folders.insert(path);
    return FileError::kNone;
  }
  std::wstring TemporaryBeside(const std::wstring& path) override { return path + L".tmp"; }
  void Pause(int milliseconds) override { pausedMs += milliseconds; }

 private:
  FileError CanChangeNamesIn(const std::wstring& path) const {
    const std::wstring folder = FolderOf(path);
    if (!folders.contains(folder)) return FileError::kMissing;
    return lockedFolders.contains(folder) ? FileError::kNoAccess : FileError::kNone;
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

const std::wstring kProgramFolder = L"C:\\Saver";
const std::wstring kAppData = L"C:\\Users\\A\\AppData\\Roaming";
const SettingsPlaces kPlaces = SettingsPlacesFor(kProgramFolder, kAppData);
const std::wstring kUserFolder = kAppData + L"\\ゼルヴェイン";

// The key names as the file holds them.
const std::string kKind = "BGM\x8B\xE6\x95\xAA";
const std::string kRepeat = "BGM\xD8\xCB\xDF\xB0\xC4";
const std::string kFile = "BGM\xCC\xA7\xB2\xD9";

const std::vector<SettingText> kChoice = {
    {kBgmKindKey, L"2"}, {kBgmRepeatKey, L"0"}, {kBgmFileKey, L"D:\\曲.mp3"}};
const std::string kChoiceLines =
    kKind + "=2\r\n" + kRepeat + "=0\r\n" + kFile + "=D:\\\x8B\xC8.mp3\r\n";

class SaveTest : public testing::Test {
 protected:
  SaveTest() { fake.folders = {kProgramFolder, kAppData}; }

  SaveOutcome Save(const std::wstring& readFrom = kPlaces.besideProgram) {
    return SaveSettingTexts(fake, kPlaces, readFrom, kChoice);
  }
  void LockProgramFolder() {
    fake.lockedFolders.insert(kProgramFolder);
    fake.lockedFiles.insert(kPlaces.besideProgram);
  }

  FakeFiles fake;
  const std::vector<std::wstring> bothTried = {kPlaces.besideProgram, kPlaces.perUser};
};

TEST(SettingsPlaces, ThePerUserFileIsReadWhereItExistsAndTriedWhereTheProgramFileIsNotWritable) {
  EXPECT_EQ(kPlaces.besideProgram, L"C:\\Saver\\ゼルヴェイン.ini");
  EXPECT_EQ(kPlaces.perUser, kUserFolder + L"\\ゼルヴェイン.ini");
  EXPECT_EQ(SettingsPlacesFor(L"C:\\", L"").perUser, L"");

  const auto only = [](const std::wstring& file) {
    return [file](const std::wstring& path) { return path == file; };
  };
  EXPECT_EQ(FileToRead(kPlaces, only(kPlaces.perUser)), kPlaces.perUser);
  EXPECT_EQ(FileToRead(kPlaces, only(kPlaces.besideProgram)), kPlaces.besideProgram);
  EXPECT_EQ(FileToRead(kPlaces, only(L"")), kPlaces.besideProgram);
  EXPECT_EQ(FileToRead(SettingsPlacesFor(kProgramFolder, L""), only(L"")), kPlaces.besideProgram);

  EXPECT_EQ(FilesToWrite(kPlaces, kPlaces.besideProgram),
            (std::vector<std::wstring>{kPlaces.besideProgram, kPlaces.perUser}));
  EXPECT_EQ(FilesToWrite(kPlaces, kPlaces.perUser), std::vector<std::wstring>{kPlaces.perUser});
  EXPECT_EQ(FilesToWrite(SettingsPlacesFor(kProgramFolder, L""), kPlaces.besideProgram),
            std::vector<std::wstring>{kPlaces.besideProgram});
}

// A saver in a writable folder saves there, every key in one replace, and
// never makes a per-user file; a save that changes nothing writes nothing.
TEST_F(SaveTest, AWritableProgramFolderKeepsTheSettingsAsAlways) {
  fake.files[kPlaces.besideProgram] = "[Section]\r\nOther=x\r\n";
  const SaveOutcome outcome = Save();
  EXPECT_TRUE(outcome.saved);
  EXPECT_EQ(outcome.tried, std::vector<std::wstring>{kPlaces.besideProgram});
  EXPECT_EQ(fake.files,
            (Files{{kPlaces.besideProgram, "[Section]\r\nOther=x\r\n" + kChoiceLines}}));
  EXPECT_EQ(fake.replaces, 1);
  EXPECT_FALSE(fake.folders.contains(kUserFolder));

  EXPECT_TRUE(Save().saved);
  EXPECT_EQ(fake.replaces, 1);

  fake.files.clear();
  EXPECT_TRUE(Save().saved);
  EXPECT_EQ(fake.files, (Files{{kPlaces.besideProgram, "[Section]\r\n" + kChoiceLines}}));
}

// The per-user file, once it exists, is the one read and written.
TEST_F(SaveTest, AnUnwritableProgramFolderSendsTheSettingsToAPerUserFileThatKeepsEveryKey) {
  const std::string program = "; mine\r\n[Section]\r\n" + kKind + "=1\r\nOther=x\r\n";
  fake.files[kPlaces.besideProgram] = program;
  LockProgramFolder();
  SaveOutcome outcome = Save();
  EXPECT_TRUE(outcome.saved);
  EXPECT_EQ(outcome.tried, bothTried);
  EXPECT_EQ(fake.files,
            (Files{{kPlaces.besideProgram, program},
                   {kPlaces.perUser, "; mine\r\n[Section]\r\n" + kKind + "=2\r\nOther=x\r\n" +
                                         kRepeat + "=0\r\n" + kFile + "=D:\\\x8B\xC8.mp3\r\n"}}));

  fake.lockedFolders.clear();
  fake.lockedFiles.clear();
  fake.files[kPlaces.perUser] = "";
  outcome = Save(kPlaces.perUser);
  EXPECT_EQ(outcome.tried, std::vector<std::wstring>{kPlaces.perUser});
  EXPECT_EQ(fake.files[kPlaces.perUser], "[Section]\r\n" + kChoiceLines);
  EXPECT_EQ(fake.files[kPlaces.besideProgram], program);
}

TEST_F(SaveTest, WhereNothingCanBeWrittenTheSaveSaysSoAndChangesNothing) {
  fake.files[kPlaces.besideProgram] = "[Section]\r\n";
  LockProgramFolder();
  fake.lockedFolders.insert(kAppData);
  SaveOutcome outcome = Save();
  EXPECT_FALSE(outcome.saved);
  EXPECT_EQ(outcome.tried, bothTried);
  EXPECT_TRUE(fake.history.empty());

  // A file held beyond the save's patience, or one that cannot be read, is no
  // reason to move the settings elsewhere.
  fake = FakeFiles();
  fake.folders = {kProgramFolder, kAppData};
  fake.files[kPlaces.besideProgram] = "[Section]\r\n";
  fake.busyChecks = kBusyRetries + 1;
  outcome = Save();
  EXPECT_FALSE(outcome.saved);
  EXPECT_EQ(outcome.tried, std::vector<std::wstring>{kPlaces.besideProgram});
  EXPECT_EQ(fake.pausedMs, kBusyRetries * kBusyRetryPauseMs);
  fake.unreadable.insert(kPlaces.besideProgram);
  EXPECT_FALSE(Save().saved);
  EXPECT_TRUE(fake.history.empty());
}

// The steps of one save over an existing file whose replace fails: at every
// moment the file holds its old or its new content, or the temporary file
// holds the new content whole.
TEST(SaveWholeFile, AFailingReplaceLeavesTheOldFileOrTheNewOneWhole) {
  const std::wstring path = L"C:\\Saver\\s.ini", temporary = path + L".tmp";
  const std::string before = "old", after = "new";
  const FileError busy = FileError::kBusy, denied = FileError::kNoAccess,
                  gone = FileError::kOldFileGone, other = FileError::kOther;
  const struct {
    const char* what;
    std::deque<FileError> replaceFailures, moveFailures;
    Files left;
  } cases[] = {
      {"held for a moment", {busy, busy, denied}, {}, {{path, after}}},
      {"held too long", std::deque<FileError>(kBusyRetries + 1, busy), {busy}, {{path, before}}},
      {"lost the old file", {gone}, {}, {{path, after}}},
      {"lost the old file, moved later", {gone}, {denied, busy}, {{path, after}}},
      {"lost the old file, cannot move", {gone}, {other}, {{temporary, after}}},
      {"failed otherwise", {other}, {}, {{path, after}}},
      {"failed otherwise, cannot move", {other}, {other}, {{path, before}}},
  };
  for (const auto& c : cases) {
    FakeFiles fake;
    fake.folders = {L"C:\\Saver"};
    fake.files[path] = before;
    fake.replaceFailures = c.replaceFailures;
    fake.moveFailures = c.moveFailures;
    const FileError error = SaveWholeFile(fake, path, after, true);
    EXPECT_EQ(error == FileError::kNone, c.left.contains(path) && c.left.at(path) == after)
        << c.what;
    EXPECT_EQ(fake.files, c.left) << c.what;
    EXPECT_LE(fake.pausedMs, kBusyRetries * kBusyRetryPauseMs) << c.what;
    for (Files& state : fake.history) {
      EXPECT_TRUE(state[path] == before || state[path] == after || state[temporary] == after)
          << c.what;
    }
  }
}

// A file held against writers for a moment is waited for; where no file can
// be made beside it, the file is written in place. A full disk leaves nothing.
TEST(SaveWholeFile, WaitsForAHeldFileAndWritesInPlaceWithoutRoomBesideIt) {
  const std::wstring path = L"C:\\Saver\\s.ini";
  FakeFiles fake;
  fake.folders = {L"C:\\Saver"};
  fake.files[path] = "old";
  fake.diskFull = true;
  EXPECT_EQ(SaveWholeFile(fake, path, "new", true), FileError::kOther);
  EXPECT_EQ(fake.files, (Files{{path, "old"}}));
  fake.diskFull = false;
  fake.busyChecks = 2;
  EXPECT_EQ(SaveWholeFile(fake, path, "new", true), FileError::kNone);
  EXPECT_EQ(fake.pausedMs, 2 * kBusyRetryPauseMs);

  fake.lockedFolders.insert(L"C:\\Saver");
  EXPECT_EQ(SaveWholeFile(fake, path, "newer", true), FileError::kNone);
  EXPECT_EQ(fake.files, (Files{{path, "newer"}}));
  fake.lockedFiles.insert(path);
  EXPECT_EQ(SaveWholeFile(fake, path, "newest", true), FileError::kNoAccess);
  EXPECT_EQ(SaveWholeFile(fake, L"C:\\Saver\\t.ini", "new", false), FileError::kNoAccess);
  EXPECT_EQ(fake.files, (Files{{path, "newer"}}));
}

}  // namespace
}  // namespace zelvane::settings
