// The settings editor: what it shows, copying the first folder, Close, the close box, and Browse.
#include "HostTest.h"

namespace corvane::testing {
namespace {

class EditorTest : public HostTest {
 protected:
  void SetUp() override {
    platform.programFolder = "C:\\Apps";
    Start();
    editor = &OpenEditor();
  }
  FakeWindow* editor = nullptr;
};

TEST_F(EditorTest, ShowsEverySettingInItsBoxBesideTheLauncherAndTheStripCopiesTheFirstFolder) {
  EXPECT_EQ(editor->Left() + editor->OuterWidth(), Shown("frmCorvane").Left() - 40);
  for (const SettingsField& field : SettingsFields()) {
    if (!field.IsCheckBox()) {
      EXPECT_EQ(editor->Text(field.box), field.In(state.LauncherSettings)) << field.box;
    }
  }
  EXPECT_EQ(editor->Text("cTitle"), "NAME");
  // A double-click on the strip copies the first folder to the others, but not to the support page.
  editor->SetText("cHLPath0", "D:\\Data");
  editor->Fire("pTitle", Event::DblClick);
  for (int box = 1; box <= 11; ++box) {
    EXPECT_EQ(editor->Text("cHLPath" + std::to_string(box)), "D:\\Data");
  }
  EXPECT_EQ(editor->Text("cHLPath12"), state.LauncherSettings.SupportUrl);
  EXPECT_EQ(state.LauncherSettings.Apps[1].AppPath, "C:\\Apps");  // nothing is stored before Close
  editor->Fire("CmdBrowse", Event::Click);  // no Explorer: the retry's command line is still recorded
  EXPECT_EQ(state.ShellCommandLine, "C:\\Windows\\Explorer.exe /n, /e, C:\\Program Files");
  platform.AddFile("C:\\Windows\\Explorer.exe");
  platform.AddFile("C:\\Winnt\\Explorer.exe");  // preferred where both are there
  editor->Fire("CmdBrowse", Event::Click);
  EXPECT_EQ(platform.starts.back().program, "C:\\Winnt\\Explorer.exe");
}

// A file someone hid or marked system stays so once saved over, and nothing of the save is left beside it.
TEST_F(EditorTest, CloseSavesEveryBoxAndTheLauncherKeepsItsCaptions) {
  platform.AddFile("C:\\CorvaneAppNames.txt", "names").hidden = true;
  platform.AddFile("C:\\CorvanePaths.txt", "paths").system = true;
  for (int i = 0; i < 13; ++i) {
    editor->SetText("cAppName" + std::to_string(i), "n" + std::to_string(i));
    editor->SetText("cHLPath" + std::to_string(i), "p" + std::to_string(i));
  }
  for (int i = 0; i < kSlotCount; ++i) {
    editor->SetText("cAlias" + std::to_string(i), "a" + std::to_string(i));
  }
  editor->SetText("cTitle", "Title");
  editor->Fire("CmdSaveClose", Event::Click);
  EXPECT_EQ(platform.Form("frmPaths11"), nullptr);
  EXPECT_EQ(
      platform.Content("C:\\CorvaneAppNames.txt"),
      "\"n0\",\"n1\",\"n2\",\"n3\",\"n4\",\"n5\",\"n6\",\"n7\",\"n8\",\"n9\",\"n10\",\"n11\",\"n12\",\"Title\"\r\n");
  EXPECT_EQ(platform.Content("C:\\CorvanePaths.txt"),
            "\"p0\",\"p1\",\"p2\",\"p3\",\"p4\",\"p5\",\"p6\",\"p7\",\"p8\",\"p9\",\"p10\",\"p11\",\"p12\"\r\n");
  EXPECT_EQ(platform.Content("C:\\CorvaneAppAlias.txt"),
            "\"a0\",\"a1\",\"a2\",\"a3\",\"a4\",\"a5\",\"a6\",\"a7\",\"a8\",\"a9\",\"a10\"\r\n");
  EXPECT_TRUE(platform.FileAt("C:\\CorvaneAppNames.txt").hidden && platform.FileAt("C:\\CorvanePaths.txt").system);
  EXPECT_EQ(platform.FilePaths().size(), 3u);
  EXPECT_EQ(Shown("frmCorvane").Text("CmdOpen3"), "Contracts");
  EXPECT_FALSE(platform.ended);
}

TEST_F(EditorTest, ARefusedOrFailedSaveKeepsTheEditorOpenWithTheTextsAsTyped) {
  editor->SetText("cAlias0", "The \"Best\"");
  editor->Fire("CmdSaveClose", Event::Click);
  ASSERT_EQ(platform.Form("frmPaths11"), editor);
  EXPECT_TRUE(editor->IsVisible());
  EXPECT_EQ(editor->Text("cAlias0"), "The \"Best\"");
  EXPECT_TRUE(platform.FilePaths().empty());

  // A standard user may not create files at the root of C:: the scratch file is refused (the save's own failures are
  // proven with the settings files).
  editor->SetText("cAlias0", "Best");
  platform.FailOn("WriteTextFile", "C:\\CorvaneAppNames.txt.new", "Access is denied.");
  editor->Fire("CmdSaveClose", Event::Click);
  EXPECT_EQ(platform.Form("frmPaths11"), editor);
  EXPECT_EQ(editor->Text("cAlias0"), "Best");
  EXPECT_TRUE(platform.FilePaths().empty());
  EXPECT_EQ(state.LauncherSettings.Apps[0].Alias, "HLQ");
}

// The close box asks only where something was changed: Cancel stays, No drops the edits, Yes saves as Close does.
TEST_F(EditorTest, TheCloseBoxAsksAboutChangesAndReopeningRefillsTheBoxes) {
  editor->SetText("cTitle", "Unsaved");
  platform.messages.clear();
  for (Answer answer : {Answer::Cancel, Answer::No}) {
    platform.Answer(answer);
    editor->Fire("Form", Event::Close);
  }
  ASSERT_EQ(MessageTexts(), std::vector<std::string>(2, "Save the changes to the settings?"));
  EXPECT_TRUE(platform.messages[0].buttons == Buttons::YesNoCancel && platform.messages[0].title == "Corvane");
  EXPECT_TRUE(platform.Form("frmPaths11") == nullptr && platform.FilePaths().empty() && !platform.ended);
  EXPECT_EQ(OpenEditor().Text("cTitle"), "NAME");
  Shown("frmPaths11").Fire("Form", Event::Close);  // nothing changed: nothing asked
  EXPECT_EQ(platform.messages.size(), 2u);
  OpenEditor().SetText("cTitle", "Typed");
  EXPECT_EQ(OpenEditor().Text("cTitle"), "Typed");  // already open: brought up unchanged
  platform.Answer(Answer::Yes);
  Shown("frmPaths11").Fire("Form", Event::Close);
  EXPECT_TRUE(state.LauncherSettings.Title == "Typed" && platform.Form("frmPaths11") == nullptr);
}

// Files held open by another program, or too short, at start-up: the boxes do not show what they hold.
class UnreadFilesTest : public HostTest {};

TEST_F(UnreadFilesTest, CloseReplacesOneOnlyWhenTypedInAndConfirmed) {
  const std::string paths = SlotLine("C:\\Real\\", {"C:\\M", "http://x"});
  platform.AddFile("C:\\CorvanePaths.txt", paths);
  platform.AddFile("C:\\CorvaneAppAlias.txt", "\"a\"\r\n");
  platform.FailOn("ReadBytes", "C:\\CorvanePaths.txt", "The file is in use.");
  Start();
  const auto close = [&](std::initializer_list<const char*> typedIn) {
    FakeWindow& editor = OpenEditor();
    for (const char* box : typedIn) {
      editor.SetText(box, "C:\\Typed");
    }
    editor.Fire("CmdSaveClose", Event::Click);
  };
  close({});
  EXPECT_EQ(platform.Form("frmPaths11"), nullptr);
  EXPECT_EQ(platform.Content("C:\\CorvanePaths.txt"), paths);
  platform.Answer(Answer::No);
  platform.Answer(Answer::Yes);
  close({"cHLPath0", "cAlias0"});
  EXPECT_EQ(MessageTexts().at(3),
            "C:\\CorvanePaths.txt could not be read when Corvane started, so this window does not show what it "
            "holds. Replace it with what this window shows?");
  EXPECT_TRUE(platform.messages[3].title == "WARNING" && platform.messages[3].buttons == Buttons::YesNo);
  EXPECT_EQ(platform.Content("C:\\CorvanePaths.txt"), paths);
  EXPECT_EQ(ReadSettingsFields(platform.Content("C:\\CorvaneAppAlias.txt"), 1)[0], "C:\\Typed");
  platform.Answer(Answer::Yes);
  close({});  // still open: the file just replaced is asked for no more
  EXPECT_EQ(platform.messages.size(), 6u);
  EXPECT_EQ(ReadSettingsFields(platform.Content("C:\\CorvanePaths.txt"), 1)[0], "C:\\Typed");
  EXPECT_EQ(platform.Form("frmPaths11"), nullptr);
}

}  // namespace
}  // namespace corvane::testing
