// LoadSettings: files, defaults, and damaged files.
#include "CorvaneTest.h"
#include "settings/SettingsFiles.h"

namespace corvane::testing {
namespace {

using Shortcuts11::LauncherSettings;

const std::string kNames =
    "\"N1\",\"N2\",\"N3\",\"N4\",\"N5\",\"N6\",\"N7\",\"N8\",\"N9\",\"N10\",\"N11\",\"M1\",\"M2\",\"T\"\r\n";
const std::string kPaths =
    "\"P1\",\"P2\",\"P3\",\"P4\",\"P5\",\"P6\",\"P7\",\"P8\",\"P9\",\"P10\",\"P11\",\"MP\",\"U\"\r\n";
const std::string kAliases =
    "\"A1\",\"A2\",\"A3\",\"A4\",\"A5\",\"A6\",\"A7\",\"A8\",\"A9\",\"A10\",\"Smith, Jones\"\r\n";

class LoadSettingsTest : public CorvaneTest {
 protected:
  void AddAllFiles() {
    platform.AddFile(std::string(kAppNamesFile), kNames);
    platform.AddFile(std::string(kPathsFile), kPaths);
    platform.AddFile(std::string(kAppAliasFile), kAliases);
  }
};

TEST_F(LoadSettingsTest, WithoutFilesUsesTheDefaultsAndWritesNothing) {
  Shortcuts11::LoadSettings(platform);

  const std::vector<std::string> aliases{"HLQ",      "Billing", "Contracts", "Grades", "Messages", "Promos",
                                         "Purchase", "Quality", "Transcrip", "App10",  "App11"};
  for (int slot = 0; slot < kSlotCount; ++slot) {
    EXPECT_EQ(LauncherSettings.Apps[slot].AppName, "App" + std::to_string(slot + 1) + ".mde");
    EXPECT_EQ(LauncherSettings.Apps[slot].AppPath, platform.programFolder);
    EXPECT_EQ(LauncherSettings.Apps[slot].Alias, aliases[slot]);
  }
  EXPECT_EQ(LauncherSettings.ManualName1, "Manual1.pdf");
  EXPECT_EQ(LauncherSettings.ManualName2, "Manual2.pdf");
  EXPECT_EQ(LauncherSettings.ManualPath, platform.programFolder);
  EXPECT_EQ(LauncherSettings.Title, "NAME");
  EXPECT_TRUE(LauncherSettings.SupportUrl.starts_with("http://"));
  EXPECT_TRUE(LauncherSettings.SupportUrl.ends_with("/hlq/supporthlq.htm"));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(platform.FilePaths().empty());
}

TEST_F(LoadSettingsTest, ReadsEveryFieldFromItsFile) {
  AddAllFiles();
  Shortcuts11::LoadSettings(platform);

  EXPECT_EQ(LauncherSettings.Apps[0].AppName, "N1");
  EXPECT_EQ(LauncherSettings.Apps[10].AppName, "N11");
  EXPECT_EQ(LauncherSettings.ManualName1, "M1");
  EXPECT_EQ(LauncherSettings.ManualName2, "M2");
  EXPECT_EQ(LauncherSettings.Title, "T");
  EXPECT_EQ(LauncherSettings.Apps[4].AppPath, "P5");
  EXPECT_EQ(LauncherSettings.ManualPath, "MP");
  EXPECT_EQ(LauncherSettings.SupportUrl, "U");
  EXPECT_EQ(LauncherSettings.Apps[10].Alias, "Smith, Jones");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(LoadSettingsTest, DecidesEachFileOnItsOwn) {
  platform.AddFile(std::string(kAppNamesFile), kNames);
  platform.AddFile(std::string(kAppAliasFile), kAliases);
  Shortcuts11::LoadSettings(platform);

  EXPECT_EQ(LauncherSettings.Apps[2].AppName, "N3");
  EXPECT_EQ(LauncherSettings.Title, "T");
  EXPECT_EQ(LauncherSettings.Apps[2].Alias, "A3");
  EXPECT_EQ(LauncherSettings.Apps[2].AppPath, platform.programFolder);
  EXPECT_EQ(LauncherSettings.ManualPath, platform.programFolder);
}

TEST_F(LoadSettingsTest, AHiddenSettingsFileCountsAsMissing) {
  AddAllFiles();
  platform.FileAt(std::string(kAppAliasFile)).hidden = true;
  Shortcuts11::LoadSettings(platform);
  EXPECT_EQ(LauncherSettings.Apps[0].Alias, "HLQ");
}

TEST_F(LoadSettingsTest, AShortFileIsReportedOnceByNameAndTheOtherFilesAreStillRead) {
  AddAllFiles();
  platform.AddFile(std::string(kAppNamesFile), kNames.substr(0, kNames.rfind(",\"T\"")) + "\r\n");
  Shortcuts11::LoadSettings(platform);

  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].text.find("C:\\CorvaneAppNames.txt"), std::string::npos);
  EXPECT_EQ(platform.messages[0].title, "Corvane");
  EXPECT_EQ(LauncherSettings.ManualName2, "M2");
  EXPECT_EQ(LauncherSettings.Title, "");  // no default slips in for the missing field
  EXPECT_EQ(LauncherSettings.Apps[0].AppPath, "P1");
  EXPECT_EQ(LauncherSettings.Apps[0].Alias, "A1");
}

TEST_F(LoadSettingsTest, AnEmptyFileLeavesItsFieldsEmpty) {
  AddAllFiles();
  platform.AddFile(std::string(kPathsFile), "");
  Shortcuts11::LoadSettings(platform);

  EXPECT_EQ(MessageTexts().size(), 1u);
  EXPECT_EQ(LauncherSettings.Apps[0].AppPath, "");
  EXPECT_EQ(LauncherSettings.SupportUrl, "");
  EXPECT_EQ(LauncherSettings.Apps[0].Alias, "A1");
}

TEST_F(LoadSettingsTest, AnUnreadableFileIsReportedAndTheNextIsStillRead) {
  AddAllFiles();
  platform.FailOn("ReadTextFile", std::string(kAppNamesFile), "Access is denied.");
  Shortcuts11::LoadSettings(platform);

  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"C:\\CorvaneAppNames.txt: Access is denied."});
  EXPECT_EQ(LauncherSettings.Title, "");
  EXPECT_EQ(LauncherSettings.Apps[0].AppPath, "P1");
  EXPECT_EQ(LauncherSettings.Apps[0].Alias, "A1");
}

TEST_F(LoadSettingsTest, ExtraFieldsAreIgnoredSilently) {
  AddAllFiles();
  platform.AddFile(std::string(kAppAliasFile), kAliases.substr(0, kAliases.size() - 2) + ",\"extra\"\r\n");
  Shortcuts11::LoadSettings(platform);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(LauncherSettings.Apps[10].Alias, "Smith, Jones");
}

}  // namespace
}  // namespace corvane::testing
