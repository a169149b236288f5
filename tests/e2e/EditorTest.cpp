// The settings editor as a person uses it: what it shows, what Close writes, the strip's copy and Browse.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CorvaneTest.h"
#include "DriveC.h"
#include "EditorBoxes.h"
#include "Screenshot.h"
#include "TestSettings.h"
#include "TopWindows.h"
#include "settings/frmPaths11Layout.h"

namespace corvane::e2e {
namespace {

class EditorTest : public CorvaneTest {
 protected:
  // Support, then "Edit App Paths": the editor takes the support window's place.
  Form OpenEditor(const Form& launcher) const {
    OpenSupport(launcher).Click("CmdEditPaths");
    return WaitForForm(kFrmPaths11Layout);
  }

  bool SupportWindowShows() const { return FindFormWindow(corvane().Id(), "Support11") != nullptr; }
};

std::vector<std::string> TextsOf(const Form& editor, const std::vector<std::string>& boxes) {
  std::vector<std::string> texts;
  for (const std::string& box : boxes) {
    texts.push_back(editor.Text(box));
  }
  return texts;
}

bool AnySettingsFileExists() {
  return FileExists(std::wstring(kAppNamesFile)) || FileExists(std::wstring(kPathsFile)) ||
         FileExists(std::wstring(kAppAliasFile));
}

// A settings file's exact bytes: the fields in double quotes, single commas, CR LF.
std::string QuotedLine(const std::vector<std::string>& fields) {
  std::string line;
  for (const std::string& field : fields) {
    line += (line.empty() ? "\"" : ",\"") + field + "\"";
  }
  return line + "\r\n";
}

TEST_F(EditorTest, ShowsEverySettingAndCloseWritesTheTypedTextsByteForByte) {
  PlaceAccess();
  // Every value its own, so that a box showing the wrong field cannot go unseen.
  const TestSettings settings{{"Adm.mde", "Bil.mde", "Con.mde", "Gra.mde", "Mes.mde", "Pro.mde", "Pur.mde", "Qua.mde",
                               "Tra.mde", "Ten.mde", "Ele.mde", "Guide1.pdf", "Guide2.doc", "Spring"},
                              {"C:\\P0", "C:\\P1", "C:\\P2", "C:\\P3", "C:\\P4", "C:\\P5", "C:\\P6", "C:\\P7", "C:\\P8",
                               "C:\\P9", "C:\\P10", "C:\\Manuals Here", "http://localhost/hlq/supporthlq.htm"},
                              {"Admissions", "Billing", "Contracts", "Grades", "Messages", "Promos", "Purchase",
                               "Quality", "Transcrip", "Tenth", "Eleventh"}};
  settings.Write();
  StartCorvane();
  const Form editor = OpenEditor(WaitForLauncher());

  EXPECT_TRUE(WaitFor([&] { return !SupportWindowShows(); }, kShortWait)) << "the support window stayed on the screen";
  EXPECT_EQ(TextsOf(editor, AppNameBoxes()), settings.appNames);
  EXPECT_EQ(TextsOf(editor, PathBoxes()), settings.paths);
  EXPECT_EQ(TextsOf(editor, AliasBoxes()), settings.aliases);

  // A comma inside a value, and a character outside ASCII that the ANSI code page holds as one byte.
  editor.SetText("cAlias2", "Smith, Jones");
  editor.SetText("cTitle", "Caf\u00e9");
  Sleep(300);  // let the typed texts paint before the picture
  SaveScreenshotAs(L"editor.png", WindowRect(editor.handle()));

  editor.Click("CmdSaveClose");
  EXPECT_TRUE(WaitFor([&] { return FindFormWindow(corvane().Id(), "Paths11") == nullptr; }, kShortWait))
      << "Close left the editor open";
  EXPECT_TRUE(ShowsNoMessageBox());
  EXPECT_FALSE(SupportWindowShows()) << "Close brought the support window back";

  EXPECT_EQ(ReadBinaryFile(std::wstring(kAppNamesFile)).value_or("(no file)"),
            QuotedLine({"Adm.mde", "Bil.mde", "Con.mde", "Gra.mde", "Mes.mde", "Pro.mde", "Pur.mde", "Qua.mde",
                        "Tra.mde", "Ten.mde", "Ele.mde", "Guide1.pdf", "Guide2.doc", "Caf\xE9"}));
  EXPECT_EQ(ReadBinaryFile(std::wstring(kPathsFile)).value_or("(no file)"), QuotedLine(settings.paths));
  EXPECT_EQ(ReadBinaryFile(std::wstring(kAppAliasFile)).value_or("(no file)"),
            "\"Admissions\",\"Billing\",\"Smith, Jones\",\"Grades\",\"Messages\",\"Promos\",\"Purchase\",\"Quality\","
            "\"Transcrip\",\"Tenth\",\"Eleventh\"\r\n");

  // The launcher takes new captions and title at its next start.
  WaitForLauncher().Click("CmdClose");
  ASSERT_TRUE(corvane().WaitForEnd(kShortWait)) << "Exit left the program running";
  StartCorvane();
  const Form restarted = WaitForLauncher();
  EXPECT_EQ(restarted.Text("CmdOpen3"), "Smith, Jones");
  EXPECT_EQ(restarted.Text("tTitle"), "Caf\u00e9");
}

TEST_F(EditorTest, ADoubleQuoteIsRefusedByNameAndNothingIsWritten) {
  PlaceAccess();
  StartCorvane();
  const Form editor = OpenEditor(WaitForLauncher());

  // In the last file, so that a save that went group by group would already have written the other two.
  editor.SetText("cAlias5", "Say \"Hi\"");
  editor.Click("CmdSaveClose");
  const ShownMessageBox refusal = WaitForMessageBox();
  EXPECT_EQ(refusal.title, "Corvane");
  EXPECT_NE(refusal.text.find("App6 Button Name"), std::string::npos) << refusal.text;
  Answer(refusal, IDOK);

  EXPECT_TRUE(ShowsNoMessageBox()) << "more than one message";
  EXPECT_NE(FindFormWindow(corvane().Id(), "Paths11"), nullptr) << "the editor closed";
  EXPECT_EQ(editor.Text("cAlias5"), "Say \"Hi\"") << "the typed text was lost";
  EXPECT_FALSE(AnySettingsFileExists());
}

TEST_F(EditorTest, StripDoubleClickCopiesTheFirstFolderToTheOtherElevenButNotTheSupportPage) {
  PlaceAccess();
  StartCorvane();
  const Form editor = OpenEditor(WaitForLauncher());
  const std::string supportPage = editor.Text("cHLPath12");
  ASSERT_FALSE(supportPage.empty());

  editor.SetText("cHLPath0", "D:\\Data");
  editor.DoubleClick("pTitle");
  ASSERT_TRUE(WaitFor([&] { return editor.Text("cHLPath11") == "D:\\Data"; }, kShortWait))
      << "the manuals folder box holds " << editor.Text("cHLPath11");
  for (int number = 1; number <= 11; ++number) {
    EXPECT_EQ(editor.Text("cHLPath" + std::to_string(number)), "D:\\Data") << "cHLPath" << number;
  }
  EXPECT_EQ(editor.Text("cHLPath12"), supportPage);
  // Only Close saves.
  EXPECT_FALSE(AnySettingsFileExists());
}

TEST_F(EditorTest, BrowseStartsTheWinntExplorerOnProgramFiles) {
  PlaceAccess();
  PlaceStandIn(kWinntExplorerPath);
  StartCorvane();
  const Form editor = OpenEditor(WaitForLauncher());

  editor.Click("CmdBrowse");
  EXPECT_EQ(WaitForStarts(kWinntExplorerPath, 1),
            std::vector<std::string>{"C:\\Winnt\\Explorer.exe /n, /e, C:\\Program Files"});
  EXPECT_TRUE(ShowsNoMessageBox());
}

}  // namespace
}  // namespace corvane::e2e
