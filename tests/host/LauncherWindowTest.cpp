// The launcher window: start-up order, placement, what it shows, the title hint and Exit.
#include <algorithm>
#include <set>

#include "LauncherFixture.h"
#include "launcher/frmCorvaneLayout.h"
#include "locate/Candidates.h"
#include "settings/SettingsFiles.h"

namespace corvane::testing {
namespace {

const std::vector<std::string> kDefaultCaptions{"HLQ",      "Billing", "Contracts", "Grades", "Messages", "Promos",
                                                "Purchase", "Quality", "Transcrip", "App10",  "App11"};

std::vector<std::string> Captions(const FakeWindow& window) {
  std::vector<std::string> captions;
  for (int n = 1; n <= kSlotCount; ++n) {
    captions.push_back(window.Text("CmdOpen" + std::to_string(n)));
  }
  return captions;
}

using LauncherWindowTest = LauncherFixture;

TEST_F(LauncherWindowTest, AFirstStartSaysAccessIsMissingBeforeTheColumnAppearsWithTheDefaults) {
  Start();

  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Can not find MSAccess.exe");
  EXPECT_TRUE(platform.messages[0].visibleForms.empty());
  EXPECT_TRUE(launcher->IsVisible());
  EXPECT_EQ(launcher->Text("tTitle"), "NAME");
  EXPECT_EQ(Captions(*launcher), kDefaultCaptions);
  EXPECT_TRUE(platform.FilePaths().empty());
}

TEST_F(LauncherWindowTest, LocatesTheProgramsBeforeReadingTheSettings) {
  Start();
  std::vector<std::string> expected(kAccessCandidates.begin(), kAccessCandidates.end());
  expected.insert(expected.end(), kWordProcessorCandidates.begin(), kWordProcessorCandidates.end());
  expected.insert(expected.end(), kPdfReaderCandidates.begin(), kPdfReaderCandidates.end());
  expected.insert(expected.end(), {std::string(kAppNamesFile), std::string(kPathsFile), std::string(kAppAliasFile)});
  EXPECT_EQ(platform.probes, expected);
}

TEST_F(LauncherWindowTest, EndsFortyTwipsShortOfTheRightEdgeOnAnyScreen) {
  for (int screen : {19200, 12000, 30720, 57600}) {
    FakePlatform machine;
    machine.screenWidth = screen;
    Program other(machine);
    other.Start();
    const FakeWindow& window = *machine.Form("frmCorvane");
    EXPECT_EQ(window.Left() + window.OuterWidth(), screen - 40) << screen;
  }
}

TEST_F(LauncherWindowTest, ShowsTheTitleAndCaptionsOfTheSettingsFiles) {
  platform.AddFile(
      std::string(kAppNamesFile),
      "\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\",\"h\",\"i\",\"j\",\"k\",\"m1\",\"m2\",\"Front Office\"\r\n");
  platform.AddFile(std::string(kAppAliasFile),
                   "\"Smith, Jones\",\"2\",\"3\",\"4\",\"5\",\"6\",\"7\",\"8\",\"9\",\"10\",\"Last\"\r\n");
  Start();
  EXPECT_EQ(launcher->Text("tTitle"), "Front Office");
  EXPECT_EQ(launcher->Text("CmdOpen1"), "Smith, Jones");
  EXPECT_EQ(launcher->Text("CmdOpen11"), "Last");
}

TEST_F(LauncherWindowTest, AFailedStepOfTheLoadLeavesTheDesignTextsBehindIt) {
  platform.FailOn("SetText", "CmdOpen7", "Out of memory.");
  Start();

  EXPECT_EQ(MessageTexts().back(), "CmdOpen7: Out of memory.");
  EXPECT_EQ(launcher->Text("CmdOpen6"), "Promos");
  for (int n = 7; n <= kSlotCount; ++n) {
    EXPECT_EQ(launcher->Text("CmdOpen" + std::to_string(n)), "Open " + std::to_string(n));
  }
  EXPECT_TRUE(launcher->IsVisible());
}

TEST_F(LauncherWindowTest, AFailedPlacementKeepsTheDesignTitle) {
  platform.FailOn("SetLeft", "", "Invalid window handle.");
  Start();
  EXPECT_EQ(MessageTexts().back(), "Invalid window handle.");
  EXPECT_EQ(launcher->Text("tTitle"), "Name");
  EXPECT_EQ(launcher->Text("CmdOpen1"), "Open 1");
  EXPECT_TRUE(launcher->IsVisible());
}

TEST_F(LauncherWindowTest, DoubleClickingTheTitleGivesTheHintWhateverItHolds) {
  Start();
  platform.messages.clear();
  for (const char* title : {"NAME", "", "typed over"}) {
    launcher->SetText("tTitle", title);
    launcher->Fire("tTitle", Event::DblClick);
  }
  ASSERT_EQ(platform.messages.size(), 3u);
  for (const auto& message : platform.messages) {
    EXPECT_EQ(message.text, "Press Support for Manuals and Web Support, or to Backup, Compact or edit App Filespecs");
    EXPECT_EQ(message.title, "Corvane");
    EXPECT_EQ(message.buttons, Buttons::Ok);
  }
}

TEST_F(LauncherWindowTest, ExitAndTheFrameCloseEndTheProgramWithoutAWord) {
  for (const auto& [control, event] : {std::pair{"CmdClose", Event::Click}, std::pair{"Form", Event::Close}}) {
    FakePlatform machine;
    machine.AddFile(kAccess);
    Program other(machine);
    other.Start();
    machine.Form("frmCorvane")->Fire(control, event);
    EXPECT_TRUE(machine.ended) << control;
    EXPECT_EQ(machine.Form("frmCorvane"), nullptr) << control;  // unloaded
    EXPECT_TRUE(machine.messages.empty()) << control;
  }
}

TEST(LauncherLayout, TabbingFollowsTheDesignedOrder) {
  std::vector<ControlSpec> controls(kFrmCorvaneLayout.controls.begin(), kFrmCorvaneLayout.controls.end());
  std::set<std::string_view> names;
  for (const ControlSpec& control : controls) {
    EXPECT_TRUE(names.insert(control.name).second) << control.name;
  }
  std::sort(controls.begin(), controls.end(), [](auto& a, auto& b) { return a.tabIndex < b.tabIndex; });
  std::vector<std::string_view> order;
  for (const ControlSpec& control : controls) {
    order.push_back(control.name);
  }
  EXPECT_EQ(order, (std::vector<std::string_view>{"tTitle", "CmdOpen1", "CmdOpen2", "CmdOpen3", "CmdOpen4", "CmdOpen5",
                                                  "CmdOpen9", "CmdOpen6", "CmdOpen7", "CmdOpen8", "CmdOpenSupport",
                                                  "CmdClose", "CmdOpen10", "CmdOpen11"}));
}

}  // namespace
}  // namespace corvane::testing
