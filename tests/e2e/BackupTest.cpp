// Backup Selected Apps: a dated copy in each ticked application's ArcBackup folder, asking before it replaces one.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "CorvaneTest.h"
#include "DriveC.h"
#include "TestSettings.h"
#include "Wide.h"

namespace corvane::e2e {
namespace {

class BackupTest : public CorvaneTest {
 protected:
  Form StartAndTick(const std::vector<std::string>& boxes) {
    StartCorvane();
    const Form support = OpenSupport(WaitForLauncher());
    for (const std::string& box : boxes) {
      support.Click(box);
      if (!WaitFor([&] { return support.IsChecked(box); }, kShortWait)) {
        throw std::runtime_error("a click did not tick " + box);
      }
    }
    return support;
  }
};

// Today's name for a copy of `appName`, from the date as the test itself reads it.
std::string TodaysBackupName(const std::string& appName) {
  SYSTEMTIME today{};
  GetLocalTime(&today);
  return "Arc" + std::to_string(today.wMonth) + std::to_string(today.wDay) + std::to_string(today.wYear - 2000) +
         appName;
}

std::string BackupFolder() {
  return ToUtf8(kDatabaseFolder) + "\\ArcBackup\\";
}

std::string Contents(const std::string& path) {
  return ReadBinaryFile(ToWide(path)).value_or("(no file)");
}

TEST_F(BackupTest, FirstBackupIsANewCopyAndTheNextAsksBeforeReplacingIt) {
  PlaceAccess();
  const std::wstring source = MakeDatabase(L"App1.mde", "first contents");
  SettingsWithFolders(kDatabaseFolder, kManualsFolder).Write();
  const Form support = StartAndTick({"Check1"});
  const std::string name = TodaysBackupName("App1.mde");
  const std::string backup = BackupFolder() + name;

  support.Click("CmdBackup");
  const ShownMessageBox made = WaitForMessageBox();
  EXPECT_EQ(made.title, "Corvane");
  EXPECT_EQ(made.text, "New Copy Is " + backup);
  Answer(made, IDOK);
  EXPECT_TRUE(ShowsNoMessageBox());
  EXPECT_EQ(Contents(backup), "first contents");

  // A changed database tells the two copies apart.
  WriteBinaryFile(source, "second contents, longer than the first");
  const auto backUpAgainAndAnswer = [&](int answer) {
    support.Click("CmdBackup");
    const ShownMessageBox question = WaitForMessageBox();
    EXPECT_EQ(question.title, "WARNING");
    EXPECT_EQ(question.text, name + " Exists. Do You Want To Replace It?");
    EXPECT_TRUE(HasButton(question, IDYES) && HasButton(question, IDNO));
    Answer(question, answer);
  };

  backUpAgainAndAnswer(IDNO);
  EXPECT_TRUE(ShowsNoMessageBox());
  EXPECT_EQ(Contents(backup), "first contents") << "No replaced the copy";

  backUpAgainAndAnswer(IDYES);
  const ShownMessageBox replaced = WaitForMessageBox();
  EXPECT_EQ(replaced.title, "Corvane");
  EXPECT_EQ(replaced.text, "Replace Copy Done");
  Answer(replaced, IDOK);
  EXPECT_EQ(Contents(backup), "second contents, longer than the first");
}

TEST_F(BackupTest, AMissingFolderFailsOnlyItsOwnSlotInBoxOrder) {
  PlaceAccess();
  MakeDatabase(L"App1.mde", "database one");
  MakeDatabase(L"App3.mde", "database three");
  TestSettings settings = SettingsWithFolders(kDatabaseFolder, kManualsFolder);
  const std::wstring missingFolder = std::wstring(kDatabaseFolder) + L"\\Not There";
  settings.paths[1] = ToUtf8(missingFolder);
  settings.Write();
  const Form support = StartAndTick({"Check1", "Check2", "Check3"});

  support.Click("CmdBackup");
  std::vector<ShownMessageBox> shown;
  for (int message = 0; message < 3; ++message) {
    shown.push_back(WaitForMessageBox());
    Answer(shown.back(), IDOK);
  }
  EXPECT_TRUE(ShowsNoMessageBox());

  EXPECT_EQ(shown[0].text, "New Copy Is " + BackupFolder() + TodaysBackupName("App1.mde"));
  // The failure is told in the system's own words; whatever they are, it is no copy and no question.
  EXPECT_EQ(shown[1].title, "Corvane");
  EXPECT_FALSE(shown[1].text.empty());
  EXPECT_EQ(shown[1].text.find("New Copy Is"), std::string::npos) << shown[1].text;
  EXPECT_EQ(shown[2].text, "New Copy Is " + BackupFolder() + TodaysBackupName("App3.mde"));

  EXPECT_EQ(Contents(BackupFolder() + TodaysBackupName("App1.mde")), "database one");
  EXPECT_EQ(Contents(BackupFolder() + TodaysBackupName("App3.mde")), "database three");
  EXPECT_EQ(GetFileAttributesW(missingFolder.c_str()), INVALID_FILE_ATTRIBUTES) << "the slot's folder was made";
}

}  // namespace
}  // namespace corvane::e2e
