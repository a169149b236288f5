// The support window, its slot check boxes and Delete Path Files; the manuals and the support page; and the three
// locators of Access and the programs that open the manuals: every candidate, priorities, probes that fail.
#include <algorithm>

#include "HostTest.h"
#include "locate/Candidates.h"
#include "support/Manuals.h"

namespace corvane::testing {
namespace {

using namespace Shortcuts11;

const std::string kOffice = "C:\\Program Files\\Microsoft Office\\";
const std::string kOffice86 = "C:\\Program Files (x86)\\Microsoft Office\\";
const std::string kAdobe = "C:\\Program Files\\Adobe\\";
const std::string kWordPad = "C:\\Program Files\\Windows NT\\Accessories\\Wordpad.exe";
const std::string kAccess14 = kOffice + "Office14\\MSAccess.exe",
                  kReader9 = kAdobe + "Reader 9.0\\Reader\\AcroRd32.exe";

class SupportTest : public HostTest {
 protected:
  SupportTest() { Start(); }
};

TEST_F(SupportTest, OpensLeftOfTheLauncherWithCaptionsCutByCharacter) {
  state.LauncherSettings.Apps[0].AppName = ".mde";
  state.LauncherSettings.Apps[1].AppName = "Daten.md\xC3\xA9";          // four characters cut, five bytes
  state.LauncherSettings.Apps[5].AppName = "\xC3\xA4\xC3\xB6\xC3\xBC";  // three characters: too short to cut
  state.LauncherSettings.Apps[7].AppName = "ab";                        // told with the first, not apart
  const std::size_t before = MessageTexts().size();
  FakeWindow& support = OpenSupport();
  EXPECT_EQ(support.Left() + support.OuterWidth(), Shown("frmCorvane").Left() - 40);
  EXPECT_TRUE(support.Text("Check1").empty() && support.Text("Check2") == "Daten");
  EXPECT_EQ(support.Text("Check5"), "App5");
  EXPECT_EQ(support.Text("Check6"), "Check6");  // it keeps its design caption; the boxes after it get theirs
  EXPECT_TRUE(support.Text("Check7") == "App7" && support.Text("Check9") == "App9");
  EXPECT_EQ(MessageTexts().size(), before + 1);
  EXPECT_EQ(MessageTexts().back(),
            "Cannot make a check box caption from the file name \"\xC3\xA4\xC3\xB6\xC3\xBC\": it is shorter than four "
            "characters.");
  EXPECT_FALSE(support.IsControlVisible("CmdDeletePathFiles"));
  platform.AddFolder(state.LauncherSettings.ManualPath);
  state.LauncherSettings.ManualName2 = "Guide.pdf";
  EXPECT_EQ(std::ranges::count(platform.probes, kWordPad), 0) << "the start looked for the manuals' programs";
  // No reader, no word processor: both copies are looked for, manual 1 by its default name.
  for (const auto& [button, doc] : {std::pair{"CmdOpenManual2", "\\Guide.doc"}, {"CmdOpenManual1", "\\Manual1.doc"}}) {
    support.Fire(button, Event::Click);
    EXPECT_EQ(platform.probes.back(), state.LauncherSettings.ManualPath + doc);
    EXPECT_EQ(std::ranges::count(platform.probes, kWordPad), 1) << "the programs are looked for once, at the first";
  }
}

// Delete Path Files shows once the frame is double-clicked, asks, and never touches the captions file.
TEST_F(SupportTest, KeepsItsStateWhileHiddenDeletesThePathFilesOnYesAndStartsAfreshAfterClose) {
  FakeWindow& support = OpenSupport();
  support.SetChecked("Check2", true);
  support.Fire("Frame1", Event::DblClick);
  support.Fire("CmdEditPaths", Event::Click);
  EXPECT_FALSE(support.IsVisible());
  Shown("frmPaths11").SetText("cAppName0", "Renamed.mde");
  Shown("frmPaths11").Fire("CmdSaveClose", Event::Click);  // which writes the three settings files
  EXPECT_FALSE(support.IsVisible());                       // the editor never brings it back
  EXPECT_EQ(&OpenSupport(), &support);                     // the same window, shown again
  EXPECT_EQ(support.Text("Check1"), "App1");
  EXPECT_TRUE(support.IsChecked("Check2") && support.IsControlVisible("CmdDeletePathFiles"));
  platform.Answer(Answer::No);
  support.Fire("CmdDeletePathFiles", Event::Click);
  EXPECT_EQ(platform.FilePaths().size(), 3u);
  EXPECT_EQ(MessageTexts().back(), "Are you sure you want to Delete the files storing your Path and File specs?");
  EXPECT_TRUE(platform.messages.back().title == "WARNING" && platform.messages.back().buttons == Buttons::YesNo);
  platform.FileAt("C:\\CorvanePaths.txt").readOnly = true;
  platform.Answer(Answer::Yes);
  support.Fire("CmdDeletePathFiles", Event::Click);
  EXPECT_EQ(MessageTexts().back(), "C:\\CorvanePaths.txt: Access is denied.");
  EXPECT_TRUE(!platform.HasFile("C:\\CorvaneAppNames.txt") && platform.HasFile("C:\\CorvaneAppAlias.txt"));
  support.Fire("Form", Event::Close);  // the frame's close box closes it as Close does
  EXPECT_TRUE(platform.Form("frmSupport11") == nullptr && !platform.ended);
  FakeWindow& again = OpenSupport();
  EXPECT_TRUE(again.Text("Check1") == "Renamed" && !again.IsChecked("Check2"));
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
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"New Copy Is C:\\Apps\\ArcBackup\\Arc12526App1.mde",
                                                      "D:\\Gone\\ArcBackup: The system cannot find the path specified.",
                                                      "New Copy Is C:\\Apps\\ArcBackup\\Arc12526App3.mde",
                                                      "New Copy Is C:\\Apps\\ArcBackup\\Arc12526App9.mde"}));
}

// Beside each box, the age of its slot's newest backup as /keep counts and dates it: red where a database that is
// there has gone more than a week, or for ever, without one. Refreshed after a backup.
TEST_F(SupportTest, EachBoxShowsHowOldItsSlotsNewestBackupIs) {
  const std::tuple<const char*, int, const char*, bool> rows[] = {
      {"Arc12526App1.mde", 5, "today", false},
      {"Arc12426App2.mde", 4, "yesterday", false},
      {"Arc112826App3.mde", 28, "7 days ago", false},
      {"Arc112726App4.mde", 27, "8 days ago", true},
      {"", 0, "never", true},
      {"Arc121026App6.mde", 1, "never", false},  // ahead; no database
      {"Arc12526App7.mde", 5, "cannot look", false},
      {"", 0, "", false}};
  for (int slot = 0; slot < 8; ++slot) {
    const auto& [copy, day, text, red] = rows[slot];
    state.LauncherSettings.Apps[slot] = {"App" + std::to_string(slot + 1) + ".mde", slot < 7 ? "C:\\Apps" : "", ""};
    if (*copy != '\0') {
      platform.AddFile("C:\\Apps\\ArcBackup\\" + std::string(copy)).created = {2026, day > 5 ? 11 : 12, day};
    }
    if (slot != 5) {
      platform.AddFile("C:\\Apps\\App" + std::to_string(slot + 1) + ".mde");
    }
  }
  platform.FailOn("ListFiles", "", "Access is denied.", 6);
  FakeWindow& support = OpenSupport();
  for (int slot = 0; slot < 8; ++slot) {
    const auto& [copy, day, text, red] = rows[slot];
    EXPECT_EQ(support.Text("LastBackup" + std::to_string(slot + 1)), text) << slot;
    EXPECT_EQ(support.TextColour("LastBackup" + std::to_string(slot + 1)).has_value(), red) << slot;
  }
  support.SetChecked("Check5", true);
  support.Fire("CmdBackup", Event::Click);
  EXPECT_TRUE(support.Text("LastBackup5") == "today" && !support.TextColour("LastBackup5"));
}

// The PDF in the reader, else the document in the word processor; only where neither program was located does the
// program Windows associates with the type stand in for it, by the association's own command.
TEST(Manuals, OpensThePdfInTheReaderElseTheDocInTheWordProcessorElseTheAssociatedProgram) {
  const std::string pdf = " \"C:\\Help Files\\Manual1.pdf\"", doc = " \"C:\\Help Files\\Manual1.doc\"";
  const std::string reader = "\"" + kReader9 + "\"" + pdf, word = "\"" + kWordPad + "\"" + doc;
  struct Row {
    bool reader, pdf, word, doc, associated;
    std::string opened;  // the command line, or what is said
  } rows[] = {
      {true, true, true, true, true, reader},
      {true, false, true, true, false, word},
      {true, false, true, false, false, "Cannot find the Manual in pdf or doc format"},
      {true, false, false, true, false, "Cannot find the Manual or Word Processor"},
      {false, true, true, true, false, word},
      {false, true, true, false, false, "Cannot find Adobe Reader or the Manual"},
      {false, true, false, true, false, "Cannot find Adobe Reader or Word Processor"},
      {false, true, true, true, true, "\"C:\\Viewer\\view.exe\" /open" + pdf},
      {false, false, false, true, true, "C:\\Pad\\pad.exe" + doc + " "},
  };
  for (const Row& row : rows) {
    FakeDesktop machine;
    Shortcuts11::State state;
    state.LauncherSettings.ManualName1 = "Manual1.doc";
    state.LauncherSettings.ManualPath = "C:\\Help Files";
    machine.AddFolder("C:\\Help Files");
    for (const auto& [there, path] : {std::pair{row.reader, kReader9},
                                      {row.word, kWordPad},
                                      {row.pdf, "C:\\Help Files\\Manual1.pdf"},
                                      {row.doc, "C:\\Help Files\\Manual1.doc"}}) {
      if (there) {
        machine.AddFile(path);
      }
    }
    state.PdfReaderPath = row.reader ? kReader9 : "";
    state.PdfReaderStatus = row.reader ? kExists : "Can not find Adobe Reader";
    state.WordProcessorPath = row.word ? kWordPad : "";
    state.WordProcessorStatus = row.word ? kExists : "Can not find Word Processor";
    if (row.associated) {
      machine.associations = {{".pdf", {"C:\\Viewer\\view.exe", "\"C:\\Viewer\\view.exe\" /open"}},
                              {".doc", {"C:\\Pad\\pad.exe", "C:\\Pad\\pad.exe %1 %*"}}};
      machine.AddFile("C:\\Viewer\\view.exe");
      machine.AddFile("C:\\Pad\\pad.exe");
    }
    RunGuarded(machine, [&] { OpenManual(machine, state, 1); });
    EXPECT_EQ(machine.messages.empty() ? state.ShellCommandLine : machine.messages[0].text, row.opened);
    EXPECT_EQ(machine.starts.size(), machine.messages.empty() ? 1u : 0u) << row.opened;
  }
}

class ManualsTest : public HostTest {
 protected:
  ManualsTest() {
    state.WordProcessorStatus = "Can not find Word Processor";  // both looked for already
    state.PdfReaderStatus = "Can not find Adobe Reader";
    state.LauncherSettings.ManualName1 = "Manual1.pdf";
    state.LauncherSettings.ManualName2 = "Guide.PDF";
    state.LauncherSettings.ManualPath = "C:\\Help Files";
    platform.AddFile("C:\\Help Files\\Manual1.pdf");
  }
};

// Neither program is looked for before the first manual; the name's type is cut only where it is ".pdf" or ".doc".
TEST_F(ManualsTest, TheFirstManualLooksForTheProgramsAndTheSecondGoesByItsName) {
  state.WordProcessorStatus.clear();
  state.PdfReaderStatus.clear();
  platform.AddFile(kReader9);
  RunGuarded(platform, [&] { OpenManual(platform, state, 1); });
  EXPECT_EQ(state.ShellCommandLine, "\"" + kReader9 + "\" \"C:\\Help Files\\Manual1.pdf\"");
  platform.probes.clear();
  RunGuarded(platform, [&] { OpenManual(platform, state, 2); });
  EXPECT_EQ(platform.probes, (std::vector<std::string>{"C:\\Help Files", "C:\\Help Files\\Guide.PDF.pdf",
                                                       "C:\\Help Files\\Guide.PDF.doc"}));
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Cannot find the Manual or Word Processor"});
}

// The support page: in Internet Explorer, the address unquoted; where it is gone, in the browser Windows opens such
// addresses with; without either, the user is told that no browser is registered.
TEST_F(ManualsTest, AMissingFolderIsSaidWithoutProbingAndTheSupportPageOpensInABrowser) {
  platform.AddFolder("\\Help Files");  // at the root of the current drive: never looked in
  for (const char* folder : {"", "\\Help Files", "C:\\Nowhere"}) {
    state.LauncherSettings.ManualPath = folder;
    RunGuarded(platform, [&] { OpenManual(platform, state, 1); });
    EXPECT_EQ(MessageTexts().back(), "Cannot find Path to the Manual.");
  }
  EXPECT_EQ(platform.probes, std::vector<std::string>{"C:\\Nowhere"});
  RunGuarded(platform, [&] { OpenWebSupport(platform, state); });
  EXPECT_EQ(MessageTexts().back(),
            "No web browser is registered on this PC, so " + state.LauncherSettings.SupportUrl + " cannot be opened.");
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
  EXPECT_TRUE(platform.starts.size() == 1 && platform.starts[0].program == browser);
  EXPECT_EQ(state.ShellCommandLine, browser + " http://example.test/help page");
}

// What each locator chooses: by the fixed list's priority between two installations; only where that list holds
// nothing, today's install places newest first, then the registrations whose file is there, read as Windows stores
// them.
TEST(Locate, ChoosesByTheFixedListsPriorityThenTodaysPlacesThenTheRegistrations) {
  using Registered = std::map<std::string, std::vector<std::string>>;
  using Locator = std::pair<void (*)(Desktop&, OutsidePrograms&), std::string OutsidePrograms::*>;
  const Locator access{LocateAccess, &OutsidePrograms::AccessPath},
      reader{LocatePdfReader, &OutsidePrograms::PdfReaderPath},
      word{LocateWordProcessor, &OutsidePrograms::WordProcessorPath};
  const std::string runtime = "C:\\Program Files\\Common Files\\Runtime\\MSAccess.exe";
  const std::string c2r = kOffice + "root\\Office16\\MSACCESS.EXE", odd = "D:\\Tools\\Access\\MSACCESS.EXE";
  const std::string word86 = kOffice86 + "Office10\\WinWord.exe", acrobat = "E:\\Acrobat\\Acrobat.exe";
  const std::string reader2020 = kAdobe + "Acrobat Reader 2020\\Reader\\AcroRd32.exe";
  const std::string c2r15 = "C:\\Program Files (x86)\\Microsoft Office 15\\root\\office15\\MSACCESS.EXE";
  const std::tuple<Locator, std::vector<std::string>, Registered, std::string> cases[] = {
      {access, {kAccess14, runtime}, {}, runtime},
      {word, {kWordPad, kOffice + "Office\\WinWord.exe"}, {}, kOffice + "Office\\WinWord.exe"},
      {word, {kOffice + "Office14\\WinWord.exe", word86}, {}, word86},
      {reader, {kAdobe + "Reader 11.0\\Reader\\AcroRd32.exe", kReader9}, {}, kReader9},
      {access, {kAccess, c2r, odd}, {{"MSACCESS.EXE", {odd}}}, kAccess},
      {access, {kOffice86 + "Office15\\MSACCESS.EXE", c2r, odd}, {{"MSACCESS.EXE", {odd}}}, c2r},
      {access, {odd}, {{"MSACCESS.EXE", {"D:\\Gone\\MSACCESS.EXE", odd}}}, odd},
      {access, {odd}, {{"MSACCESS.EXE", {" \"%SystemDrive%\\Tools\\Access\\MSACCESS.EXE\" "}}}, odd},
      {access, {odd}, {{"MSACCESS.EXE", {odd + "  "}}}, odd},
      {access, {"MSACCESS.EXE", "\\MSACCESS.EXE"}, {{"MSACCESS.EXE", {"MSACCESS.EXE", "\\MSACCESS.EXE"}}}, ""},
      {reader, {acrobat}, {{"Acrobat.exe", {acrobat}}}, acrobat},
      {reader, {kAdobe + "Acrobat Reader 2017\\Reader\\AcroRd32.exe", reader2020}, {}, reader2020},
      {access, {c2r15}, {}, c2r15},
      {access, {"Z:\\A\\MSACCESS.EXE"}, {{"MSACCESS.EXE", {"Z:\\A\\MSACCESS.EXE"}}}, "Z:\\A\\MSACCESS.EXE"},
      {access, {"z:\\A.EXE"}, {{"MSACCESS.EXE", {"z:\\A.EXE"}}}, "z:\\A.EXE"},
      {access, {"a:\\A.EXE", "z:\\A.EXE"}, {{"MSACCESS.EXE", {"a:\\A.EXE", "z:\\A.EXE"}}}, "a:\\A.EXE"},
      {access, {"D:\\Tools\\Help.txt", odd}, {{"MSACCESS.EXE", {"D:\\Tools\\Help.txt", odd}}}, odd},  // no program
      // WordPad only where no Word is, today's and registered ones included.
      {word, {kWordPad, kOffice + "root\\Office16\\WINWORD.EXE"}, {}, kOffice + "root\\Office16\\WINWORD.EXE"},
      {word, {kWordPad, odd}, {{"WINWORD.EXE", {odd}}}, odd},
  };
  for (const auto& [locator, installed, registered, winner] : cases) {
    OutsidePrograms state;
    FakeDesktop machine;
    machine.environment["SystemDrive"] = "D:";
    for (const std::string& file : installed) {
      machine.AddFile(file);
    }
    machine.registrations = registered;
    locator.first(machine, state);
    EXPECT_EQ(state.*locator.second, winner);
    EXPECT_EQ(machine.messages.size(), winner.empty() ? 1u : 0u) << winner;
    EXPECT_TRUE(machine.associationQueries.empty()) << "a type's program stands in only for a manual";
    EXPECT_EQ(std::ranges::count(machine.probes, ""), 0) << "an empty path probed";
  }
}

class LocateTest : public HostTest {};

// A place the system will not look into holds no program, silently; it never costs a program found elsewhere.
TEST_F(LocateTest, AProbeTheSystemRefusesCountsAsAbsent) {
  platform.AddFile(kAccess14);
  platform.AddFile(kWordPad);
  platform.AddFile(kReader9);
  platform.FailOn("Exists", std::string(kAccessCandidates[0]), "Access is denied.");
  platform.FailOn("Exists", kOffice + "Office14\\WinWord.exe", "The directory name is invalid.");
  platform.FailOn("Exists", std::string(kPdfReaderCandidates[0]), "Access is denied.");
  const auto locateAll = [&](Desktop& machine) {
    LocateAccess(machine, state);
    LocateWordProcessor(machine, state);
    LocatePdfReader(machine, state);
  };
  locateAll(platform);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(
      (std::vector<std::string>{state.AccessPath, state.WordProcessorPath, state.PdfReaderPath, state.PdfReaderStatus}),
      (std::vector<std::string>{kAccess14, kWordPad, kReader9, "exists"}));
  FakeDesktop empty;
  locateAll(empty);
  EXPECT_EQ(state.AccessPath, kAccess14);  // nothing found keeps what a start found before
  EXPECT_EQ(state.WordProcessorStatus, "Can not find Word Processor");
  EXPECT_EQ(state.PdfReaderStatus, "Can not find Adobe Reader");
  ASSERT_EQ(empty.messages.size(), 1u);
  EXPECT_EQ(empty.messages[0].text, "Can not find MSAccess.exe");
}

}  // namespace
}  // namespace corvane::testing
