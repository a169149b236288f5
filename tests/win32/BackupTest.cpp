// Backups against the real file system, whose copies keep attributes: a read-only database or old backup, an old
// backup in use, and a scratch file left by an earlier run.
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "platform/win32/Win32Platform.h"
#include "settings/LauncherSettings.h"
#include "support/Backup.h"

namespace corvane::win32::test {
namespace {

// Answers Yes to every question and keeps the last text shown.
struct AnsweringYes : Win32Platform {
  Answer ShowMessage(const std::string& text, const std::string&, Buttons) override {
    last = text;
    return Answer::Yes;
  }
  std::string last;
};

TEST(BackupTest, AYesReplacesTheBackupWhateverWasReadOnlyAndAFailureKeepsTheOldOne) {
  constexpr DWORD kPlain = FILE_ATTRIBUTE_NORMAL, kReadOnly = FILE_ATTRIBUTE_READONLY;
  const std::string kDatabase("db\0\xFF\r\nbytes", 11), kOldBackup = "older backup";
  struct Case {
    const char* what;
    DWORD database, backup;
    bool stalePartial, backupInUse;
  };
  constexpr Case kCases[] = {
      {"read-only database", kReadOnly, kPlain, false, false},
      {"read-only old backup", kPlain, kReadOnly, false, false},
      {"both read-only", kReadOnly, kReadOnly, false, false},
      {"read-only scratch file of an earlier run", kPlain, kPlain, true, false},
      {"old backup in use", kReadOnly, kPlain, false, true},
  };
  for (const Case& row : kCases) {
    TempFolder folder;
    AnsweringYes platform;
    Shortcuts11::LauncherSettings.Apps[3] = {.AppName = "App4.mde", .AppPath = folder.path, .Alias = "App 4"};
    const std::string database = folder / "App4.mde";
    const std::string backup = folder / "ArcBackup\\" + BackupName(platform.Now(), "App4.mde");
    MakeFolder(folder / "ArcBackup");
    WriteBytes(database, kDatabase, row.database);
    WriteBytes(backup, kOldBackup, row.backup);
    if (row.stalePartial) {
      WriteBytes(backup + ".partial", "half a copy", kReadOnly);
    }
    {
      ScopedHandle inUse = row.backupInUse ? OpenWithoutSharing(backup) : ScopedHandle();
      Shortcuts11::BackupApp(platform, 3);
    }
    EXPECT_EQ(platform.last == "Replace Copy Done", !row.backupInUse) << row.what << ": " << platform.last;
    EXPECT_EQ(ReadBytes(backup), row.backupInUse ? kOldBackup : kDatabase) << row.what;
    EXPECT_EQ(AttributesOf(backup) & kReadOnly, 0u) << row.what;
    EXPECT_EQ(AttributesOf(database) & kReadOnly, row.database & kReadOnly) << row.what;
    EXPECT_EQ(AttributesOf(backup + ".partial"), INVALID_FILE_ATTRIBUTES) << row.what;
  }
}

}  // namespace
}  // namespace corvane::win32::test
