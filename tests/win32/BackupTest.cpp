// Backups against the real file system, whose copies keep attributes: a read-only database or old backup, an old
// backup in use, and a scratch file left by an earlier run.
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "platform/win32/Win32Platform.h"
#include "settings/LauncherSettings.h"
#include "support/Backup.h"

namespace corvane::win32::test {
namespace {

constexpr DWORD kPlain = FILE_ATTRIBUTE_NORMAL, kReadOnly = FILE_ATTRIBUTE_READONLY;

// Answers Yes to every question and keeps the last text shown.
struct AnsweringYes : Win32Platform {
  Answer ShowMessage(const std::string& text, const std::string&, Buttons) override {
    last = text;
    return Answer::Yes;
  }
  std::string last;
};

// Slot 4's database, and an older backup of today beside it.
struct Slot {
  Slot(DWORD databaseAttributes, DWORD backupAttributes) {
    Shortcuts11::LauncherSettings.Apps[3] = {.AppName = "App4.mde", .AppPath = folder.path(), .Alias = "App 4"};
    MakeFolder(folder / "ArcBackup");
    WriteBytes(database, "database, as it is now", databaseAttributes);
    WriteBytes(backup, "older backup", backupAttributes);
  }
  TempFolder folder;
  AnsweringYes platform;
  const std::string database = folder / "App4.mde";
  const std::string backup = folder / "ArcBackup\\" + BackupName(platform.Today(), "App4.mde");
  const std::string partial = backup + ".partial";
};

TEST(BackupTest, AYesReplacesTheBackupWhateverWasReadOnly) {
  struct Case {
    const char* what;
    DWORD database, backup;
    bool stalePartial;
  };
  constexpr Case kCases[] = {
      {"read-only database", kReadOnly, kPlain, false},
      {"read-only old backup", kPlain, kReadOnly, false},
      {"both read-only", kReadOnly, kReadOnly, false},
      {"read-only scratch file of an earlier run", kPlain, kPlain, true},
  };
  for (const Case& row : kCases) {
    Slot slot(row.database, row.backup);
    if (row.stalePartial) {
      WriteBytes(slot.partial, "half a copy", kReadOnly);
    }
    Shortcuts11::BackupApp(slot.platform, 3);
    EXPECT_EQ(slot.platform.last, "Replace Copy Done") << row.what;
    EXPECT_EQ(ReadBytes(slot.backup), "database, as it is now") << row.what;
    EXPECT_EQ(AttributesOf(slot.backup) & kReadOnly, 0u) << row.what;
    EXPECT_EQ(AttributesOf(slot.database) & kReadOnly, row.database & kReadOnly) << row.what;
    EXPECT_EQ(AttributesOf(slot.partial), INVALID_FILE_ATTRIBUTES) << row.what;
  }
}

TEST(BackupTest, AFailedReplacementKeepsTheOldBackupAndLeavesNoScratchFile) {
  Slot slot(kPlain, kPlain);
  {
    ScopedHandle inUse = OpenWithoutSharing(slot.backup);
    Shortcuts11::BackupApp(slot.platform, 3);
  }
  EXPECT_NE(slot.platform.last, "Replace Copy Done");
  EXPECT_EQ(ReadBytes(slot.backup), "older backup");
  EXPECT_EQ(AttributesOf(slot.partial), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace corvane::win32::test
