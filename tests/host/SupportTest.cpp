// The support window, its slot check boxes and Delete Path Files; the manuals and the support page.
#include <algorithm>

#include "HostTest.h"
#include "support/Manuals.h"

namespace corvane::testing {
namespace {

using namespace Shortcuts11;

const std::string kWordPad = "C:\\Program Files\\Windows NT\\Accessories\\Wordpad.exe";

class SupportTest : public HostTest {
 protected:
  SupportTest() { Start(); }
};

TEST_F(SupportTest, OpensLeftOfTheLauncherWithCaptionsCutByCharacter) {
  state.LauncherSettings.Apps[0].AppName = ".mde";
  state.LauncherSettings.Apps[5].AppName = "\xC3\xA4\xC3\xB6\xC3\xBC";  // three characters: too short to cut
  FakeWindow& support = OpenSupport();
  EXPECT_EQ(support.Left() + support.OuterWidth(), Shown("frmCorvane").Left() - 40);
  EXPECT_EQ(support.Text("Check1"), "");
  EXPECT_EQ(support.Text("Check5"), "App5");
  EXPECT_EQ(support.Text("Check6"), "Check6");  // it and the boxes after it keep their design captions
  EXPECT_EQ(MessageTexts().back(),
            "Cannot make a check box caption from the file name \"\xC3\xA4\xC3\xB6\xC3\xBC\": it is shorter than four "
            "characters.");
  EXPECT_FALSE(support.IsControlVisible("CmdDeletePathFiles"));
  platform.AddFolder(state.LauncherSettings.ManualPath);
  state.LauncherSettings.ManualName2 = "Guide.pdf";
  EXPECT_EQ(std::ranges::count(platform.probes, kWordPad), 0)
      << "the launcher's start looked for the manuals' programs";
  // No reader, no word processor: both copies are looked for, manual 1 by its default name.
  for (const auto& [button, doc] : {std::pair{"CmdOpenManual2", "\\Guide.doc"}, {"CmdOpenManual1", "\\Manual1.doc"}}) {
    support.Fire(button, Event::Click);
    EXPECT_EQ(platform.probes.back(), state.LauncherSettings.ManualPath + doc);
    EXPECT_EQ(std::ranges::count(platform.probes, kWordPad), 1) << "the programs are looked for once, at the first";
  }
}

TEST_F(SupportTest, KeepsItsStateWhileHiddenAndStartsAfreshAfterClose) {
  FakeWindow& support = OpenSupport();
  support.SetChecked("Check2", true);
  support.Fire("Frame1", Event::DblClick);
  support.Fire("CmdEditPaths", Event::Click);
  EXPECT_FALSE(support.IsVisible());
  Shown("frmPaths11").SetText("cAppName0", "Renamed.mde");
  Shown("frmPaths11").Fire("CmdSaveClose", Event::Click);
  EXPECT_FALSE(support.IsVisible());  // the editor never brings it back

  EXPECT_EQ(&OpenSupport(), &support);  // the same window, shown again
  EXPECT_EQ(support.Text("Check1"), "App1");
  EXPECT_TRUE(support.IsChecked("Check2"));
  EXPECT_TRUE(support.IsControlVisible("CmdDeletePathFiles"));

  support.Fire("Form", Event::Close);  // the frame's close box closes it as Close does
  EXPECT_EQ(platform.Form("frmSupport11"), nullptr);
  EXPECT_FALSE(platform.ended);
  FakeWindow& again = OpenSupport();
  EXPECT_EQ(again.Text("Check1"), "Renamed");
  EXPECT_FALSE(again.IsChecked("Check2"));
}

TEST_F(SupportTest, DeletePathFilesAsksAndNeverTouchesTheCaptionsFile) {
  for (const char* file : {"C:\\CorvaneAppNames.txt", "C:\\CorvanePaths.txt", "C:\\CorvaneAppAlias.txt"}) {
    platform.AddFile(file, "\"x\"\r\n");
  }
  FakeWindow& support = OpenSupport();
  platform.Answer(Answer::No);
  support.Fire("CmdDeletePathFiles", Event::Click);
  EXPECT_EQ(platform.FilePaths().size(), 3u);
  EXPECT_EQ(platform.messages.back().text,
            "Are you sure you want to Delete the files storing your Path and File specs?");
  EXPECT_TRUE(platform.messages.back().title == "WARNING" && platform.messages.back().buttons == Buttons::YesNo);

  platform.FileAt("C:\\CorvanePaths.txt").readOnly = true;
  platform.Answer(Answer::Yes);
  support.Fire("CmdDeletePathFiles", Event::Click);
  EXPECT_EQ(MessageTexts().back(), "C:\\CorvanePaths.txt: Access is denied.");
  EXPECT_FALSE(platform.HasFile("C:\\CorvaneAppNames.txt"));
  EXPECT_TRUE(platform.HasFile("C:\\CorvaneAppAlias.txt"));
}

TEST_F(SupportTest, BackupGoesThroughTheTickedBoxesInOrderPastAFailingSlot) {
  for (int slot : {0, 1, 2, 8}) {
    state.LauncherSettings.Apps[slot].AppPath = slot == 1 ? "D:\\Gone" : "C:\\Apps";
    platform.AddFile("C:\\Apps\\App" + std::to_string(slot + 1) + ".mde");
  }
  FakeWindow& support = OpenSupport();
  platform.messages.clear();
  support.Fire("CmdBackup", Event::Click);  // nothing ticked: nothing happens
  for (const char* box : {"Check9", "Check3", "Check1", "Check2"}) {
    support.SetChecked(box, true);
  }
  support.Fire("CmdBackup", Event::Click);
  const std::vector<std::string> texts = MessageTexts();
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[0], "New Copy Is C:\\Apps\\ArcBackup\\Arc12526App1.mde");
  EXPECT_EQ(texts[1], "D:\\Gone\\ArcBackup: The system cannot find the path specified.");
  EXPECT_EQ(texts[3], "New Copy Is C:\\Apps\\ArcBackup\\Arc12526App9.mde");
}

TEST(Manuals, TheBaseNameAndTheDecisionTable) {
  for (auto [name, base] :
       {std::pair{"Manual1.pdf", "Manual1"}, {"Guide.PDF", "Guide.PDF"}, {"H\xC3\xA9lp.doc", "H\xC3\xA9lp"}}) {
    EXPECT_EQ(ManualBaseName(name), base);
  }
  struct Row {
    bool reader, pdf, word, doc;
    ManualAction action;
    std::string message;
  } rows[] = {
      {true, true, true, true, ManualAction::OpenPdf, ""},
      {true, false, true, true, ManualAction::OpenDoc, ""},
      {true, false, true, false, ManualAction::Tell, "Cannot find the Manual in pdf or doc format"},
      {true, false, false, true, ManualAction::Tell, "Cannot find the Manual or Word Processor"},
      {false, true, true, true, ManualAction::OpenDoc, ""},
      {false, true, true, false, ManualAction::Tell, "Cannot find Adobe Reader or the Manual"},
      {false, true, false, true, ManualAction::Tell, "Cannot find Adobe Reader or Word Processor"},
  };
  for (const Row& row : rows) {
    const ManualDecision decision = DecideManual(row.reader, row.pdf, row.word, row.doc);
    EXPECT_TRUE(decision.action == row.action && decision.message == row.message) << row.message;
  }
}

class ManualsTest : public HostTest {
 protected:
  static constexpr const char* kReader = "C:\\Program Files\\Adobe\\Reader 9.0\\Reader\\AcroRd32.exe";
  static constexpr const char* kWord = "C:\\Program Files\\Windows NT\\Accessories\\Wordpad.exe";

  ManualsTest() {
    platform.AddFile(kWord);
    state.WordProcessorPath = kWord;
    state.WordProcessorStatus = kExists;
    state.PdfReaderStatus = "Can not find Adobe Reader";  // both looked for already
    state.LauncherSettings.ManualName1 = "Manual1.pdf";
    state.LauncherSettings.ManualName2 = "Guide.PDF";
    state.LauncherSettings.ManualPath = "C:\\Help Files";
    platform.AddFile("C:\\Help Files\\Manual1.pdf");
    platform.AddFile("C:\\Help Files\\Manual1.doc");
  }
};

TEST_F(ManualsTest, OpensThePdfInTheReaderElseTheDocInTheWordProcessor) {
  RunGuarded(platform, [&] { OpenManual(platform, state, 1); });  // no reader: the doc is probed and opened
  EXPECT_EQ(state.ShellCommandLine, "\"" + std::string(kWord) + "\" \"C:\\Help Files\\Manual1.doc\"");
  platform.AddFile(kReader);
  state.PdfReaderPath = kReader;
  state.PdfReaderStatus = kExists;
  RunGuarded(platform, [&] { OpenManual(platform, state, 1); });
  EXPECT_EQ(state.ShellCommandLine, "\"" + std::string(kReader) + "\" \"C:\\Help Files\\Manual1.pdf\"");
  EXPECT_EQ(platform.starts.size(), 2u);
  platform.probes.clear();
  RunGuarded(platform, [&] { OpenManual(platform, state, 2); });
  EXPECT_EQ(platform.probes, (std::vector<std::string>{"C:\\Help Files", "C:\\Help Files\\Guide.PDF.pdf",
                                                       "C:\\Help Files\\Guide.PDF.doc"}));
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Cannot find the Manual in pdf or doc format"});
}

// Only where no reader or word processor was located does the program Windows associates with the type open the
// manual, by the association's own command; with none either, the message is the one without it.
TEST_F(ManualsTest, TheAssociatedProgramStandsInForAProgramNotLocated) {
  const Association viewer{"C:\\Viewer\\view.exe", "\"C:\\Viewer\\view.exe\" /open"};  // no place named: at the end
  platform.associations[".pdf"] = viewer;
  platform.associations[".doc"] = {"C:\\Pad\\pad.exe", "C:\\Pad\\pad.exe %1 %*"};
  platform.AddFile(viewer.program);
  platform.AddFile("C:\\Pad\\pad.exe");
  RunGuarded(platform, [&] { OpenManual(platform, state, 1); });
  ASSERT_EQ(platform.starts.size(), 1u);
  EXPECT_EQ(platform.starts[0].program, viewer.program);
  EXPECT_EQ(state.ShellCommandLine, "\"C:\\Viewer\\view.exe\" /open \"C:\\Help Files\\Manual1.pdf\"");
  EXPECT_EQ(platform.associationQueries, std::vector<std::string>{".pdf"}) << "the located word processor was asked";

  platform.FileAt("C:\\Help Files\\Manual1.pdf").hidden = true;
  state.WordProcessorStatus = "Can not find Word Processor";
  RunGuarded(platform, [&] { OpenManual(platform, state, 1); });
  EXPECT_EQ(state.ShellCommandLine, "C:\\Pad\\pad.exe \"C:\\Help Files\\Manual1.doc\" ");

  platform.associations.clear();
  RunGuarded(platform, [&] { OpenManual(platform, state, 1); });
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Cannot find Adobe Reader or Word Processor"});
}

// The support page: in Internet Explorer, the address unquoted; where it is gone, in the browser Windows opens such
// addresses with; without either, the start of the missing browser fails as it always did.
TEST_F(ManualsTest, AMissingFolderIsSaidWithoutProbingAndTheSupportPageOpensInABrowser) {
  platform.AddFolder("\\Help Files");  // at the root of the current drive: never looked in
  for (const char* folder : {"", "\\Help Files", "C:\\Nowhere"}) {
    state.LauncherSettings.ManualPath = folder;
    RunGuarded(platform, [&] { OpenManual(platform, state, 1); });
    EXPECT_EQ(MessageTexts().back(), "Cannot find Path to the Manual.");
  }
  EXPECT_EQ(platform.probes, std::vector<std::string>{"C:\\Nowhere"});
  RunGuarded(platform, [&] { OpenWebSupport(platform, state); });
  EXPECT_EQ(MessageTexts().size(), 4u) << "the missing browser's start was not reported";
  platform.associations["https"] = {"C:\\Web\\secure.exe", "\"C:\\Web\\secure.exe\" -url %1"};
  platform.AddFile("C:\\Web\\secure.exe");
  state.LauncherSettings.SupportUrl = "HTTPS://example.test/";
  RunGuarded(platform, [&] { OpenWebSupport(platform, state); });
  EXPECT_EQ(state.ShellCommandLine, "\"C:\\Web\\secure.exe\" -url \"HTTPS://example.test/\"");
  platform.starts.clear();
  const std::string browser = "C:\\Program Files\\Internet Explorer\\iexplore.exe";
  platform.AddFile(browser);
  state.LauncherSettings.SupportUrl = "http://example.test/help page";
  RunGuarded(platform, [&] { OpenWebSupport(platform, state); });
  ASSERT_EQ(platform.starts.size(), 1u);
  EXPECT_EQ(platform.starts[0].program, browser);
  EXPECT_EQ(state.ShellCommandLine, browser + " http://example.test/help page");
}

}  // namespace
}  // namespace corvane::testing
