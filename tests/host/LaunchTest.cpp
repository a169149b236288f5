// Opening a slot's database: selection, the existence test, Access's command line and the failure messages.
#include "LauncherFixture.h"
#include "launcher/Launch.h"

namespace corvane::testing {
namespace {

using namespace Shortcuts11;

TEST(SelectAppTest, BuildsTheFullPathWithOneBackslashWhateverTheFolder) {
  LauncherSettings = {};
  LauncherSettings.Apps[3] = {"Grades.mde", "D:\\Apps", ""};
  SelectApp(3);
  EXPECT_EQ(LauncherSettings.CurrentAppName, "Grades.mde");
  EXPECT_EQ(LauncherSettings.CurrentAppPath, "D:\\Apps");
  EXPECT_EQ(LauncherSettings.CurrentAppFullPath, "D:\\Apps\\Grades.mde");

  LauncherSettings.Apps[4] = {"Grades.mde", "", ""};
  SelectApp(4);
  EXPECT_EQ(LauncherSettings.CurrentAppFullPath, "\\Grades.mde");

  LauncherSettings.Apps[5] = {"", "", ""};
  SelectApp(5);
  EXPECT_EQ(LauncherSettings.CurrentAppFullPath, "\\");

  LauncherSettings.Apps[6] = {"X.mde", "D:\\", ""};
  SelectApp(6);
  EXPECT_EQ(LauncherSettings.CurrentAppFullPath, "D:\\\\X.mde");
}

TEST(SelectAppTest, ANumberOutsideTheSlotsKeepsTheSelectionAndRebuildsItsPath) {
  LauncherSettings = {};
  LauncherSettings.Apps[0] = {"A.mde", "C:\\A", ""};
  SelectApp(0);
  LauncherSettings.CurrentAppFullPath = "stale";
  for (int slot : {-1, 11, 32767}) {
    SelectApp(slot);
    EXPECT_EQ(LauncherSettings.CurrentAppName, "A.mde");
    EXPECT_EQ(LauncherSettings.CurrentAppFullPath, "C:\\A\\A.mde");
  }
}

class LaunchTest : public LauncherFixture {
 protected:
  void SetUp() override {
    platform.AddFile(kAccess, "MZ");
    platform.programFolder = "C:\\Data Files";
    Start();
  }
};

TEST_F(LaunchTest, EachButtonOpensItsOwnSlotInAccess) {
  platform.AddFile("C:\\Data Files\\App1.mde");
  platform.AddFile("C:\\Data Files\\App11.mde");
  Click("CmdOpen11");
  Click("CmdOpen1");

  ASSERT_EQ(platform.starts.size(), 2u);
  EXPECT_EQ(platform.starts[0].program, kAccess);
  EXPECT_EQ(platform.starts[0].commandLine, "\"" + std::string(kAccess) + "\" \"C:\\Data Files\\App11.mde\"");
  EXPECT_EQ(platform.starts[0].wait, Wait::No);
  EXPECT_EQ(platform.starts[1].commandLine, "\"" + std::string(kAccess) + "\" \"C:\\Data Files\\App1.mde\"");
  EXPECT_EQ(ShellCommandLine, platform.starts[1].commandLine);
  EXPECT_EQ(LauncherSettings.CurrentAppName, "App1.mde");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(LaunchTest, AMissingOrHiddenDatabaseIsNamedAndNothingStarts) {
  platform.AddFile("C:\\Data Files\\App4.mde");
  platform.FileAt("C:\\Data Files\\App4.mde").hidden = true;
  Click("CmdOpen3");
  Click("CmdOpen4");

  EXPECT_EQ(MessageTexts(),
            (std::vector<std::string>{"Cannot find App3.mde database.", "Cannot find App4.mde database."}));
  EXPECT_EQ(platform.messages[0].title, "Corvane");
  EXPECT_TRUE(platform.starts.empty());
}

TEST_F(LaunchTest, AReadOnlyDatabaseOpens) {
  platform.AddFile("C:\\Data Files\\App2.mde");
  platform.FileAt("C:\\Data Files\\App2.mde").readOnly = true;
  Click("CmdOpen2");
  EXPECT_EQ(platform.starts.size(), 1u);
}

TEST_F(LaunchTest, TwoClicksStartAccessTwice) {
  platform.AddFile("C:\\Data Files\\App5.mde");
  Click("CmdOpen5");
  Click("CmdOpen5");
  EXPECT_EQ(platform.starts.size(), 2u);
}

TEST_F(LaunchTest, AFailingDirectorySearchIsReportedAloneAndNothingStarts) {
  platform.FailOn("Exists", "C:\\Data Files\\App6.mde", "The device is not ready.");
  Click("CmdOpen6");
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"C:\\Data Files\\App6.mde: The device is not ready."});
  EXPECT_TRUE(platform.starts.empty());
}

TEST_F(LaunchTest, WildcardsInTheFileNameFindAMatchingDatabase) {
  LauncherSettings.Apps[6].AppName = "App7*.mde";
  platform.AddFile("C:\\Data Files\\App7 2026.mde");
  Click("CmdOpen7");
  ASSERT_EQ(platform.starts.size(), 1u);
  EXPECT_TRUE(platform.starts[0].commandLine.ends_with("\"C:\\Data Files\\App7*.mde\""));
}

class LaunchWithoutAccessTest : public LauncherFixture {
 protected:
  void SetUp() override {
    Start();
    platform.messages.clear();
  }
};

TEST_F(LaunchWithoutAccessTest, APresentDatabaseGivesTheStartFailureNotCannotFind) {
  platform.AddFile(LauncherSettings.Apps[2].AppPath + "\\App3.mde");
  Click("CmdOpen3");

  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, "Corvane");
  EXPECT_FALSE(platform.messages[0].text.empty());
  EXPECT_EQ(platform.messages[0].text.find("Cannot find"), std::string::npos);
  EXPECT_TRUE(ShellCommandLine.starts_with("\"\" \""));
}

TEST_F(LaunchWithoutAccessTest, AMissingDatabaseStillSaysCannotFind) {
  Click("CmdOpen3");
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Cannot find App3.mde database."});
}

}  // namespace
}  // namespace corvane::testing
