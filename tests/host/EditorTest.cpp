// The settings editor: what it shows, copying the first folder, Close, and Browse's choice of Explorer.
#include "LauncherFixture.h"
#include "settings/OpenExplorer.h"

namespace corvane::testing {
namespace {

using Shortcuts11::LauncherSettings;

class EditorTest : public LauncherFixture {
 protected:
  void SetUp() override {
    platform.AddFile(kAccess);
    platform.programFolder = "C:\\Apps";
    Start();
    Click("CmdOpenSupport");
    platform.Form("frmSupport11")->Fire("CmdEditPaths", Event::Click);
    editor = platform.Form("frmPaths11");
    ASSERT_NE(editor, nullptr);
  }
  FakeWindow* editor = nullptr;
};

TEST_F(EditorTest, ShowsEverySettingBesideTheLauncher) {
  EXPECT_EQ(editor->Left() + editor->OuterWidth(), launcher->Left() - 40);
  EXPECT_EQ(editor->Text("cAppName10"), "App11.mde");
  EXPECT_EQ(editor->Text("cAppName11"), "Manual1.pdf");
  EXPECT_EQ(editor->Text("cAppName12"), "Manual2.pdf");
  EXPECT_EQ(editor->Text("cTitle"), "NAME");
  EXPECT_EQ(editor->Text("cHLPath11"), "C:\\Apps");
  EXPECT_EQ(editor->Text("cHLPath12"), LauncherSettings.SupportUrl);
  EXPECT_EQ(editor->Text("cAlias8"), "Transcrip");
}

TEST_F(EditorTest, DoubleClickingTheStripCopiesTheFirstFolderButNotTheSupportPage) {
  for (const char* first : {"D:\\Data", ""}) {
    editor->SetText("cHLPath0", first);
    editor->Fire("pTitle", Event::DblClick);
    for (int box = 1; box <= 11; ++box) {
      EXPECT_EQ(editor->Text("cHLPath" + std::to_string(box)), first);
    }
    EXPECT_EQ(editor->Text("cHLPath12"), LauncherSettings.SupportUrl);
  }
  EXPECT_EQ(LauncherSettings.Apps[1].AppPath, "C:\\Apps");  // nothing is stored before Close
  EXPECT_FALSE(platform.HasFile("C:\\CorvanePaths.txt"));
}

TEST_F(EditorTest, CloseSavesAllThreeFilesAndTheLauncherKeepsItsCaptions) {
  editor->SetText("cAlias2", "Smith, Jones");
  editor->Fire("CmdSaveClose", Event::Click);

  EXPECT_EQ(platform.Form("frmPaths11"), nullptr);
  EXPECT_EQ(platform.FilePaths().size(), 4u);  // the three files beside Access
  EXPECT_NE(platform.Content("C:\\CorvaneAppAlias.txt").find("\"Smith, Jones\""), std::string::npos);
  EXPECT_EQ(LauncherSettings.Apps[2].Alias, "Smith, Jones");
  EXPECT_EQ(launcher->Text("CmdOpen3"), "Contracts");
  EXPECT_FALSE(platform.Form("frmSupport11")->IsVisible());
}

TEST_F(EditorTest, ARefusedOrFailedSaveKeepsTheEditorOpenWithTheTextsAsTyped) {
  editor->SetText("cAlias0", "The \"Best\"");
  editor->Fire("CmdSaveClose", Event::Click);
  ASSERT_EQ(platform.Form("frmPaths11"), editor);
  EXPECT_TRUE(editor->IsVisible());
  EXPECT_EQ(editor->Text("cAlias0"), "The \"Best\"");
  EXPECT_EQ(platform.FilePaths().size(), 1u);  // Access alone: nothing written

  editor->SetText("cAlias0", "Best");
  editor->SetText("cAppName0", "New.mde");
  editor->SetText("cHLPath0", "D:\\New");
  platform.FailOn("ReplaceFile", "C:\\CorvaneAppNames.txt", "Access is denied.");
  editor->Fire("CmdSaveClose", Event::Click);
  EXPECT_EQ(platform.Form("frmPaths11"), editor);
  EXPECT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(LauncherSettings.Apps[0].AppName, "New.mde");
  EXPECT_EQ(LauncherSettings.Apps[0].AppPath, "C:\\Apps");
}

TEST_F(EditorTest, TheFramesCloseDropsTheEditsAndReopeningRefillsTheBoxes) {
  editor->SetText("cTitle", "Unsaved");
  editor->Fire("Form", Event::Close);
  EXPECT_EQ(platform.Form("frmPaths11"), nullptr);
  EXPECT_EQ(LauncherSettings.Title, "NAME");

  Click("CmdOpenSupport");
  platform.Form("frmSupport11")->Fire("CmdEditPaths", Event::Click);
  FakeWindow* reopened = platform.Form("frmPaths11");
  EXPECT_EQ(reopened->Text("cTitle"), "NAME");
  reopened->SetText("cTitle", "Typed");
  Click("CmdOpenSupport");
  platform.Form("frmSupport11")->Fire("CmdEditPaths", Event::Click);  // already open: brought up unchanged
  EXPECT_EQ(platform.Form("frmPaths11")->Text("cTitle"), "Typed");
}

class ExplorerTest : public CorvaneTest {};

TEST_F(ExplorerTest, PrefersWinntUnlessOnlyTheWindowsOneExists) {
  const std::string windows = "C:\\Windows\\Explorer.exe";
  const std::string winnt = "C:\\Winnt\\Explorer.exe";
  struct Case {
    bool windowsExists, winntExists;
    std::string started;
  };
  for (const Case& c : {Case{true, false, windows}, Case{true, true, winnt}, Case{false, true, winnt}}) {
    FakePlatform machine;
    if (c.windowsExists)
      machine.AddFile(windows);
    if (c.winntExists)
      machine.AddFile(winnt);
    Shortcuts11::OpenExplorer(machine);
    ASSERT_EQ(machine.starts.size(), 1u);
    EXPECT_EQ(machine.starts[0].program, c.started);
    EXPECT_EQ(machine.starts[0].commandLine, c.started + " /n, /e, C:\\Program Files");
    EXPECT_TRUE(machine.messages.empty());
  }
}

TEST_F(ExplorerTest, RetriesOnceWithTheWindowsExplorerAndReportsOnlyTheRetry) {
  Shortcuts11::OpenExplorer(platform);  // neither exists: the Winnt start fails, then the Windows one
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(Shortcuts11::ShellCommandLine, "C:\\Windows\\Explorer.exe /n, /e, C:\\Program Files");

  platform.messages.clear();
  platform.AddFile("C:\\Windows\\Explorer.exe");
  platform.FailOn("Exists", "C:\\Winnt\\Explorer.exe");
  Shortcuts11::OpenExplorer(platform);
  EXPECT_TRUE(platform.messages.empty());
  ASSERT_EQ(platform.starts.size(), 1u);
  EXPECT_EQ(platform.starts[0].program, "C:\\Windows\\Explorer.exe");
}

}  // namespace
}  // namespace corvane::testing
