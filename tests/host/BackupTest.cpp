// Backups: dated names, the replace question, and failures that must never cost an existing backup.
#include <functional>
#include "CorvaneTest.h"

#include "support/Backup.h"

namespace corvane::testing {
namespace {

using namespace Shortcuts11;

TEST(BackupNameTest, WritesMonthDayAndYearWithoutLeadingZeros) {
  EXPECT_EQ(BackupName({2026, 12, 5}, "App1.mde"), "Arc12526App1.mde");
  EXPECT_EQ(BackupName({2009, 3, 9}, "App1.mde"), "Arc399App1.mde");
  EXPECT_EQ(BackupName({2026, 10, 31}, "x.mdb"), "Arc103126x.mdb");
  EXPECT_EQ(BackupName({1999, 7, 4}, "Old.mdb"), "Arc74-1Old.mdb");
  // Some dates share a name: 11 January and 1 November.
  EXPECT_EQ(BackupName({2026, 1, 11}, "A.mde"), BackupName({2026, 11, 1}, "A.mde"));
}

class BackupTest : public CorvaneTest {
 protected:
  static constexpr const char* kBackup = "C:\\Apps\\ArcBackup\\Arc12526App1.mde";

  BackupTest() {
    for (int slot = 0; slot < kSlotCount; ++slot) {
      LauncherSettings.Apps[slot] = {"App" + std::to_string(slot + 1) + ".mde", "C:\\Apps", ""};
    }
    platform.AddFile("C:\\Apps\\App1.mde", "new data");
  }
};

TEST_F(BackupTest, AFirstBackupCreatesTheFolderAndNamesTheCopy) {
  BackupApp(platform, 0);
  EXPECT_EQ(platform.Content(kBackup), "new data");
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{std::string("New Copy Is ") + kBackup});
  EXPECT_EQ(platform.FilePaths().size(), 2u);  // no partial copy left beside it
}

TEST_F(BackupTest, AnExistingBackupIsReplacedOnlyOnYes) {
  platform.AddFile(kBackup, "old data");
  platform.Answer(Answer::No);
  BackupApp(platform, 0);
  EXPECT_EQ(platform.Content(kBackup), "old data");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Arc12526App1.mde Exists. Do You Want To Replace It?");
  EXPECT_EQ(platform.messages[0].title, "WARNING");
  EXPECT_EQ(platform.messages[0].buttons, Buttons::YesNo);

  platform.Answer(Answer::Yes);
  BackupApp(platform, 0);
  EXPECT_EQ(platform.Content(kBackup), "new data");
  EXPECT_EQ(platform.messages.back().text, "Replace Copy Done");
  EXPECT_EQ(platform.FilePaths().size(), 2u);
}

TEST_F(BackupTest, AFailedReplacementKeepsTheOldBackup) {
  struct Case {
    const char* what;
    std::function<void(FakePlatform&)> breakIt;
  };
  const std::vector<Case> cases{
      {"source missing", [](FakePlatform& p) { p.DeleteFile("C:\\Apps\\App1.mde"); }},
      {"disk full", [](FakePlatform& p) { p.FailOn("CopyFile", "", "There is not enough space on the disk."); }},
      {"old copy read-only", [](FakePlatform& p) { p.FileAt(kBackup).readOnly = true; }},
  };
  for (const Case& c : cases) {
    FakePlatform machine;
    machine.AddFile("C:\\Apps\\App1.mde", "new data");
    machine.AddFile(kBackup, "old data");
    c.breakIt(machine);
    machine.Answer(Answer::Yes);
    BackupApp(machine, 0);
    EXPECT_EQ(machine.Content(kBackup), "old data") << c.what;
    ASSERT_EQ(machine.messages.size(), 2u) << c.what;
    EXPECT_NE(machine.messages[1].text, "Replace Copy Done") << c.what;
    EXPECT_FALSE(machine.HasFile(std::string(kBackup) + ".partial")) << c.what;
  }
}

TEST_F(BackupTest, AMissingSourceLeavesTheNewFolderAndNoCopy) {
  platform.DeleteFile("C:\\Apps\\App1.mde");
  BackupApp(platform, 0);
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(platform.Exists("C:\\Apps\\ArcBackup\\", Lookup::Directories));
  EXPECT_TRUE(platform.FilePaths().empty());
}

TEST_F(BackupTest, AMissingSlotFolderFailsAtTheBackupFolder) {
  LauncherSettings.Apps[1].AppPath = "D:\\Gone";
  BackupApp(platform, 1);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].text.find("D:\\Gone\\ArcBackup"), std::string::npos);
}

}  // namespace
}  // namespace corvane::testing
