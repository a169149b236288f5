// The launcher: start-up, placement, the eleven buttons, the title hint, Exit and the frame's close box.
#include <algorithm>
#include <set>

#include "HostTest.h"
#include "launcher/frmCorvaneLayout.h"
#include "settings/frmPaths11Layout.h"
#include "support/frmRestoreLayout.h"
#include "support/frmSupport11Layout.h"

namespace corvane::testing {
namespace {

class LauncherTest : public HostTest {};

TEST_F(LauncherTest, AFirstStartSaysAccessIsMissingBeforeTheColumnAppearsWithTheDefaults) {
  platform.screenWidth = 57600;  // a wide screen: the column still ends 40 twips short of its right edge
  FakeWindow& launcher = Start();
  EXPECT_EQ(launcher.Left() + launcher.OuterWidth(), 57600 - 40);
  ASSERT_EQ(MessageTexts(), std::vector<std::string>{"Can not find MSAccess.exe"});
  EXPECT_TRUE(launcher.IsVisible());
  EXPECT_EQ(launcher.Text("tTitle"), "NAME");
  const char* captions[] = {"HLQ",      "Billing", "Contracts", "Grades", "Messages", "Promos",
                            "Purchase", "Quality", "Transcrip", "App10",  "App11"};
  for (int n = 1; n <= kSlotCount; ++n) {
    EXPECT_EQ(launcher.Text("CmdOpen" + std::to_string(n)), captions[n - 1]);
    EXPECT_EQ(state.LauncherSettings.Apps[n - 1].AppName, "App" + std::to_string(n) + ".mde");
  }
  // The programs are located before the settings are read.
  EXPECT_EQ(platform.probes.front(), "C:\\Program Files\\Common Files\\Runtime\\MSAccess.exe");
  EXPECT_EQ(platform.probes.back(), "C:\\CorvaneLocalCopies.txt");
  launcher.Fire("tTitle", Event::DblClick);
  EXPECT_EQ(MessageTexts().back(),
            "Press Support for Manuals and Web Support, or to Backup, Compact or edit App Filespecs");
  launcher.Fire("CmdOpen7", Event::Click);
  EXPECT_EQ(MessageTexts().back(),
            "Cannot open App7.mde: no Microsoft Access was found on this PC. Install Access or "
            "the Access Runtime, then start Corvane again.");
}

// A second start brings the running launcher forward; one with administrator rights says first why it cannot serve.
TEST(LauncherClaim, ASecondStartBringsTheRunningLauncherForwardAndAnElevatedOneSaysWhy) {
  const std::string why =
      "Corvane is already running without administrator rights, so its settings cannot be saved "
      "at C:\\. Exit it, then start Corvane with Run as administrator again.";
  for (LauncherClaim claim : {LauncherClaim::Ours, LauncherClaim::Running, LauncherClaim::RunningWithoutRights}) {
    FakeDesktop machine;
    machine.claim = claim;
    const bool runs = ClaimTheLauncher(machine);
    EXPECT_TRUE(runs == (claim == LauncherClaim::Ours) && machine.broughtForward == !runs);
    EXPECT_EQ(machine.MessageTexts(), std::vector<std::string>(claim == LauncherClaim::RunningWithoutRights, why));
  }
}

TEST_F(LauncherTest, EachButtonOpensItsOwnSlotInAccess) {
  platform.AddFile("C:\\CorvaneAppNames.txt", SlotLine("db", {"m1", "m2", "Front Office"}));
  platform.AddFile("C:\\CorvanePaths.txt", SlotLine("C:\\My Apps\\", {"C:\\Help", "http://help"}));
  platform.AddFile("C:\\CorvaneAppAlias.txt", SlotLine("Caption "));
  platform.AddFile(kAccess);
  for (int n = 1; n <= kSlotCount; ++n) {
    platform.AddFile("C:\\My Apps\\" + std::to_string(n) + "\\db" + std::to_string(n));
  }
  FakeWindow& launcher = Start();
  EXPECT_EQ(launcher.Text("tTitle"), "Front Office");
  EXPECT_EQ(state.LauncherSettings.ManualName2 + state.LauncherSettings.ManualPath, "m2C:\\Help");
  EXPECT_EQ(state.LauncherSettings.SupportUrl, "http://help");
  for (int n = 1; n <= kSlotCount; ++n) {
    const std::string button = "CmdOpen" + std::to_string(n);
    EXPECT_EQ(launcher.Text(button), "Caption " + std::to_string(n));
    launcher.Fire(button, Event::Click);
    const std::string database = "C:\\My Apps\\" + std::to_string(n) + "\\db" + std::to_string(n);
    ASSERT_EQ(platform.starts.size(), static_cast<std::size_t>(n));
    EXPECT_EQ(platform.starts.back().program, kAccess);
    EXPECT_EQ(platform.starts.back().commandLine, "\"" + std::string(kAccess) + "\" \"" + database + "\"");
    EXPECT_EQ(platform.starts.back().wait, Wait::No);
    EXPECT_EQ(state.ShellCommandLine, platform.starts.back().commandLine);
  }
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(LauncherTest, ExitClosesEveryWindowWithoutAsking) {
  Start();
  OpenEditor().SetText("cTitle", "unsaved");
  Shown("frmCorvane").Fire("CmdClose", Event::Click);
  EXPECT_TRUE(platform.ended);
  EXPECT_FALSE(platform.Form("frmCorvane") || platform.Form("frmSupport11") || platform.Form("frmPaths11"));
  EXPECT_TRUE(platform.FilePaths().empty());
  EXPECT_EQ(platform.messages.size(), 1u);  // only start-up's
}

// The close box takes the launcher away alone; the program ends with the last window on the screen, and a
// support window that is loaded but hidden does not keep it alive.
TEST_F(LauncherTest, TheCloseBoxLeavesTheOtherWindowsToTheUser) {
  Start();
  Shown("frmCorvane").Fire("Form", Event::Close);
  EXPECT_TRUE(platform.ended);

  FakeDesktop machine;
  Program other(machine);
  other.Start();
  machine.Form("frmCorvane")->Fire("CmdOpenSupport", Event::Click);
  machine.Form("frmCorvane")->Fire("Form", Event::Close);
  EXPECT_EQ(machine.Form("frmCorvane"), nullptr);
  ASSERT_FALSE(machine.ended);
  EXPECT_TRUE(machine.launcherReleased);
  machine.Form("frmSupport11")->Fire("CmdEditPaths", Event::Click);  // beside where the launcher stood
  FakeWindow& editor = *machine.Form("frmPaths11");
  EXPECT_EQ(editor.Left() + editor.OuterWidth(), machine.screenWidth - 40 - 1005 - FakeDesktop::kFrameWidth - 40);
  editor.Fire("Form", Event::Close);
  EXPECT_TRUE(machine.ended);
}

// Tables are checked by their rules, not copied: a person tabbing through a window meets every stop once, and
// the editor's boxes row by row, top to bottom.
// Each handler row names the window itself, a control of its layout, or, for a control array, the array's first
// member: a row that names nothing would never run.
template <class Window>
void ExpectHandlersNameControls(const FormLayout& layout) {
  const auto named = [&](const std::string& name) {
    return name == "Form" || std::ranges::any_of(layout.controls, [&](const auto& c) { return c.name == name; });
  };
  for (const auto& row : Window::Handlers()) {
    EXPECT_TRUE(row.run != nullptr ? named(std::string(row.control)) : named(std::string(row.control) + "1"))
        << layout.name << ": " << row.control;
  }
}

TEST(Layouts, HandlersNameTheirControlsTabStopsAreUniqueAndTheEditorsGoTopToBottom) {
  ExpectHandlersNameControls<frmCorvane>(kFrmCorvaneLayout);
  ExpectHandlersNameControls<frmSupport11>(kFrmSupport11Layout);
  ExpectHandlersNameControls<frmPaths11>(kFrmPaths11Layout);
  ExpectHandlersNameControls<frmRestore>(kFrmRestoreLayout);
  for (const SettingsField& field : SettingsFields()) {
    EXPECT_TRUE(std::ranges::any_of(kFrmPaths11Controls, [&](const auto& c) { return c.name == field.box; }))
        << field.box;
  }
  for (const FormLayout* layout : {&kFrmCorvaneLayout, &kFrmSupport11Layout, &kFrmPaths11Layout, &kFrmRestoreLayout}) {
    std::set<int> tabs;
    std::set<std::string_view> names;
    for (const ControlSpec& control : layout->controls) {
      EXPECT_TRUE(names.insert(control.name).second) << control.name;
      EXPECT_TRUE(!control.tab || tabs.insert(*control.tab).second) << control.name;
    }
  }
  std::map<int, const ControlSpec*> byTab;
  for (const ControlSpec& control : kFrmPaths11Controls) {
    const bool box = control.name.starts_with("c") || control.name.starts_with("CheckLocal");
    if (control.tab && box && control.name != "cTitle") {
      byTab[*control.tab] = &control;
    }
  }
  int top = 0;
  for (const auto& [tab, control] : byTab) {
    EXPECT_GE(control->rect.top, top) << control->name;
    top = control->rect.top;
  }
}

}  // namespace
}  // namespace corvane::testing
