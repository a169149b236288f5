// SaveSettings: the bytes of the files, refused values, and failures that must not lose a file.
#include "CorvaneTest.h"
#include "settings/SettingsFiles.h"

namespace corvane::testing {
namespace {

using Shortcuts11::LauncherSettings;

class SaveSettingsTest : public CorvaneTest {
 protected:
  SaveSettingsTest() {
    platform.programFolder = "C:\\Apps";
    Shortcuts11::LoadSettings(platform);
  }
};

TEST_F(SaveSettingsTest, SavingTheDefaultsWritesTheThreeFilesByteForByte) {
  ASSERT_TRUE(Shortcuts11::SaveSettings(platform, Shortcuts11::StoredTexts()));

  EXPECT_EQ(platform.Content("C:\\CorvaneAppNames.txt"),
            "\"App1.mde\",\"App2.mde\",\"App3.mde\",\"App4.mde\",\"App5.mde\",\"App6.mde\",\"App7.mde\",\"App8.mde\","
            "\"App9.mde\",\"App10.mde\",\"App11.mde\",\"Manual1.pdf\",\"Manual2.pdf\",\"NAME\"\r\n");
  std::string paths;
  for (int folder = 0; folder < 12; ++folder) {
    paths += "\"C:\\Apps\",";
  }
  EXPECT_EQ(platform.Content("C:\\CorvanePaths.txt"), paths + "\"" + LauncherSettings.SupportUrl + "\"\r\n");
  EXPECT_EQ(platform.Content("C:\\CorvaneAppAlias.txt"),
            "\"HLQ\",\"Billing\",\"Contracts\",\"Grades\",\"Messages\",\"Promos\",\"Purchase\",\"Quality\","
            "\"Transcrip\",\"App10\",\"App11\"\r\n");
  EXPECT_EQ(platform.FilePaths().size(), 3u);  // nothing left beside them
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SaveSettingsTest, CommasAndBlanksSurviveSavingAndLoading) {
  SettingsTexts texts = Shortcuts11::StoredTexts();
  texts.aliases[2] = "Smith, Jones";
  texts.appNames[13] = "  Front Office  ";
  texts.paths[0] = "";
  ASSERT_TRUE(Shortcuts11::SaveSettings(platform, texts));

  LauncherSettings = {};
  Shortcuts11::LoadSettings(platform);
  EXPECT_EQ(LauncherSettings.Apps[2].Alias, "Smith, Jones");
  EXPECT_EQ(LauncherSettings.Title, "  Front Office  ");
  EXPECT_EQ(LauncherSettings.Apps[0].AppPath, "");
  EXPECT_EQ(LauncherSettings.Apps[1].AppPath, "C:\\Apps");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SaveSettingsTest, EmptyAndLongestValuesComeBackUnchanged) {
  const std::string longest(32767, 'x');  // as much as a text box holds
  for (const std::string& value : {std::string(), longest}) {
    SettingsTexts texts;
    texts.appNames.fill(value);
    texts.paths.fill(value);
    texts.aliases.fill(value);
    ASSERT_TRUE(Shortcuts11::SaveSettings(platform, texts));
    LauncherSettings = {};
    Shortcuts11::LoadSettings(platform);
    EXPECT_EQ(Shortcuts11::StoredTexts().appNames, texts.appNames);
    EXPECT_EQ(Shortcuts11::StoredTexts().paths, texts.paths);
    EXPECT_EQ(Shortcuts11::StoredTexts().aliases, texts.aliases);
  }
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SaveSettingsTest, AValueTheFilesCannotHoldIsRefusedByNameAndNothingChanges) {
  platform.AddFile("C:\\CorvaneAppAlias.txt", "old");
  const std::vector<std::pair<std::string, std::string>> cases{
      {"App3 Button Name", "say \"hi\""}, {"Manuals Path", "C:\\x\r\nC:\\y"}, {"Toolbar Name", "two\nlines"}};
  for (const auto& [label, value] : cases) {
    SettingsTexts texts = Shortcuts11::StoredTexts();
    texts.appNames[0] = "Changed.mde";
    texts.aliases[2] = label == "App3 Button Name" ? value : texts.aliases[2];
    texts.paths[11] = label == "Manuals Path" ? value : texts.paths[11];
    texts.appNames[13] = label == "Toolbar Name" ? value : texts.appNames[13];
    platform.messages.clear();

    EXPECT_FALSE(Shortcuts11::SaveSettings(platform, texts));
    ASSERT_EQ(platform.messages.size(), 1u) << label;
    EXPECT_TRUE(platform.messages[0].text.starts_with(label + " can not hold")) << platform.messages[0].text;
    EXPECT_EQ(LauncherSettings.Apps[0].AppName, "App1.mde");
    EXPECT_FALSE(platform.HasFile("C:\\CorvaneAppNames.txt"));
    EXPECT_EQ(platform.Content("C:\\CorvaneAppAlias.txt"), "old");
  }
}

TEST_F(SaveSettingsTest, TextTheCodePageCannotStoreIsRefusedByNameAndLatinLettersAreKept) {
  SettingsTexts texts = Shortcuts11::StoredTexts();
  texts.paths[4] = "C:\\\xCE\xA9mega";  // a Greek capital omega
  EXPECT_FALSE(Shortcuts11::SaveSettings(platform, texts));
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"App5 Path holds characters that this computer's code page can "
                                                     "not store. Nothing was saved."});
  EXPECT_EQ(platform.FilePaths().size(), 0u);

  texts.paths[4] = "C:\\Caf\xC3\xA9";
  EXPECT_TRUE(Shortcuts11::SaveSettings(platform, texts));
  EXPECT_EQ(LauncherSettings.Apps[4].AppPath, "C:\\Caf\xC3\xA9");
}

TEST_F(SaveSettingsTest, AFailedWriteStopsAtItsFileAndLeavesTheOldFileWhole) {
  platform.AddFile("C:\\CorvanePaths.txt", "\"old paths\"\r\n");
  platform.AddFile("C:\\CorvaneAppAlias.txt", "\"old aliases\"\r\n");
  platform.FailOn("WriteTextFile", "C:\\CorvanePaths.txt.new", "There is not enough space on the disk.");
  SettingsTexts texts = Shortcuts11::StoredTexts();
  texts.appNames[13] = "New Title";
  texts.paths[0] = "D:\\New";
  texts.aliases[0] = "New Caption";

  EXPECT_FALSE(Shortcuts11::SaveSettings(platform, texts));
  EXPECT_EQ(MessageTexts(),
            std::vector<std::string>{"C:\\CorvanePaths.txt.new: There is not enough space on the disk."});
  EXPECT_EQ(LauncherSettings.Title, "New Title");  // the group before the failure is stored and written
  EXPECT_NE(platform.Content("C:\\CorvaneAppNames.txt").find("\"New Title\""), std::string::npos);
  EXPECT_EQ(LauncherSettings.Apps[0].AppPath, "D:\\New");  // stored just before its file failed
  EXPECT_EQ(LauncherSettings.Apps[0].Alias, "HLQ");        // the group after it is neither stored nor written
  EXPECT_EQ(platform.Content("C:\\CorvanePaths.txt"), "\"old paths\"\r\n");
  EXPECT_EQ(platform.Content("C:\\CorvaneAppAlias.txt"), "\"old aliases\"\r\n");
}

TEST_F(SaveSettingsTest, AReadOnlySettingsFileIsRefusedAndNoHalfWrittenFileStays) {
  platform.AddFile("C:\\CorvaneAppNames.txt", "\"old\"\r\n");
  platform.FileAt("C:\\CorvaneAppNames.txt").readOnly = true;

  EXPECT_FALSE(Shortcuts11::SaveSettings(platform, Shortcuts11::StoredTexts()));
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.Content("C:\\CorvaneAppNames.txt"), "\"old\"\r\n");
  EXPECT_EQ(platform.FilePaths(), std::vector<std::string>{"C:\\CorvaneAppNames.txt"});
}

}  // namespace
}  // namespace corvane::testing
