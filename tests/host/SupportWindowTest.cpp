// The support window: placement, check box captions, its life beside the editor, and Delete Path Files.
#include "LauncherFixture.h"
#include "settings/SettingsFiles.h"
#include "support/frmSupport11.h"

namespace corvane::testing {
namespace {

using Shortcuts11::LauncherSettings;

class SupportWindowTest : public LauncherFixture {
 protected:
  void SetUp() override {
    platform.AddFile(kAccess);
    Start();
  }
  FakeWindow& OpenSupport() {
    Click("CmdOpenSupport");
    FakeWindow* support = platform.Form("frmSupport11");
    EXPECT_NE(support, nullptr);
    return *support;
  }
};

TEST_F(SupportWindowTest, OpensFortyTwipsLeftOfTheLauncherWithTheSlotNamesAsCaptions) {
  FakeWindow& support = OpenSupport();
  EXPECT_TRUE(support.IsVisible());
  EXPECT_EQ(support.Left() + support.OuterWidth(), launcher->Left() - 40);
  for (int n = 1; n <= kSlotCount; ++n) {
    EXPECT_EQ(support.Text("Check" + std::to_string(n)), "App" + std::to_string(n));
  }
  EXPECT_FALSE(support.IsControlVisible("CmdDeletePathFiles"));
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SupportWindowTest, CaptionsCutFourCharactersAndStopAtANameTooShortToCut) {
  LauncherSettings.Apps[0].AppName = ".mde";
  LauncherSettings.Apps[1].AppName = "Sales.accdb";
  LauncherSettings.Apps[5].AppName = "abc";
  FakeWindow& support = OpenSupport();

  EXPECT_EQ(support.Text("Check1"), "");
  EXPECT_EQ(support.Text("Check2"), "Sales.a");
  EXPECT_EQ(support.Text("Check5"), "App5");
  for (int n = 6; n <= kSlotCount; ++n) {
    EXPECT_EQ(support.Text("Check" + std::to_string(n)), "Check" + std::to_string(n));
  }
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(support.IsVisible());
}

TEST_F(SupportWindowTest, KeepsItsCaptionsAndTicksWhileHiddenAndStartsAfreshAfterClose) {
  FakeWindow& support = OpenSupport();
  support.SetChecked("Check2", true);
  support.Fire("Frame1", Event::DblClick);
  support.Fire("CmdEditPaths", Event::Click);
  EXPECT_FALSE(support.IsVisible());
  FakeWindow* editor = platform.Form("frmPaths11");
  ASSERT_NE(editor, nullptr);
  EXPECT_TRUE(editor->IsVisible());

  editor->SetText("cAppName0", "Renamed.mde");
  editor->Fire("CmdSaveClose", Event::Click);
  EXPECT_EQ(platform.Form("frmPaths11"), nullptr);
  EXPECT_FALSE(support.IsVisible());  // the editor never brings it back

  EXPECT_EQ(&OpenSupport(), &support);  // the same window, shown again
  EXPECT_TRUE(support.IsVisible());
  EXPECT_EQ(support.Text("Check1"), "App1");
  EXPECT_TRUE(support.IsChecked("Check2"));
  EXPECT_TRUE(support.IsControlVisible("CmdDeletePathFiles"));

  support.Fire("Form", Event::Close);  // the frame's close box closes it as Close does
  EXPECT_EQ(platform.Form("frmSupport11"), nullptr);
  FakeWindow& again = OpenSupport();
  EXPECT_EQ(again.Text("Check1"), "Renamed");
  EXPECT_FALSE(again.IsChecked("Check2"));
  EXPECT_FALSE(again.IsControlVisible("CmdDeletePathFiles"));
}

TEST_F(SupportWindowTest, DeletePathFilesAsksAndNeverTouchesTheCaptionsFile) {
  for (const char* file : {"C:\\CorvaneAppNames.txt", "C:\\CorvanePaths.txt", "C:\\CorvaneAppAlias.txt"}) {
    platform.AddFile(file, "\"x\"\r\n");
  }
  FakeWindow& support = OpenSupport();

  platform.Answer(Answer::No);
  support.Fire("CmdDeletePathFiles", Event::Click);
  EXPECT_EQ(platform.FilePaths().size(), 4u);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Are you sure you want to Delete the files storing your Path and File specs?");
  EXPECT_EQ(platform.messages[0].title, "WARNING");
  EXPECT_EQ(platform.messages[0].buttons, Buttons::YesNo);

  platform.Answer(Answer::Yes);
  support.Fire("CmdDeletePathFiles", Event::Click);
  EXPECT_FALSE(platform.HasFile("C:\\CorvaneAppNames.txt"));
  EXPECT_FALSE(platform.HasFile("C:\\CorvanePaths.txt"));
  EXPECT_TRUE(platform.HasFile("C:\\CorvaneAppAlias.txt"));
  EXPECT_EQ(LauncherSettings.Apps[0].AppName, "App1.mde");  // the running program keeps what it loaded

  platform.Answer(Answer::Yes);
  support.Fire("CmdDeletePathFiles", Event::Click);  // nothing left to delete: nothing said
  EXPECT_EQ(platform.messages.size(), 3u);
}

TEST_F(SupportWindowTest, ARefusedDeletionStopsBeforeTheSecondFile) {
  platform.AddFile("C:\\CorvaneAppNames.txt");
  platform.AddFile("C:\\CorvanePaths.txt");
  platform.FileAt("C:\\CorvaneAppNames.txt").readOnly = true;
  FakeWindow& support = OpenSupport();
  platform.Answer(Answer::Yes);
  support.Fire("CmdDeletePathFiles", Event::Click);
  EXPECT_EQ(MessageTexts().back(), "C:\\CorvaneAppNames.txt: Access is denied.");
  EXPECT_TRUE(platform.HasFile("C:\\CorvanePaths.txt"));
}

TEST_F(SupportWindowTest, BackupWorksThroughTheTickedBoxesInOrderPastAFailingSlot) {
  for (int slot : {0, 1, 2}) {
    LauncherSettings.Apps[slot].AppPath = slot == 1 ? "D:\\Gone" : "C:\\Apps";
    platform.AddFile("C:\\Apps\\App" + std::to_string(slot + 1) + ".mde");
  }
  FakeWindow& support = OpenSupport();
  support.Fire("CmdBackup", Event::Click);  // nothing ticked: nothing happens
  EXPECT_TRUE(platform.messages.empty());

  for (const char* box : {"Check3", "Check1", "Check2"}) {
    support.SetChecked(box, true);
  }
  support.Fire("CmdBackup", Event::Click);
  const auto texts = MessageTexts();
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0], "New Copy Is C:\\Apps\\ArcBackup\\Arc12526App1.mde");
  EXPECT_NE(texts[1].find("D:\\Gone"), std::string::npos);
  EXPECT_EQ(texts[2], "New Copy Is C:\\Apps\\ArcBackup\\Arc12526App3.mde");
}

}  // namespace
}  // namespace corvane::testing
