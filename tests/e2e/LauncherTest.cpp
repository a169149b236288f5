// The launcher as a person meets it: the start-up message, what it shows, where it sits, the hint and Exit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CorvaneTest.h"
#include "DriveC.h"
#include "TopWindows.h"

namespace corvane::e2e {
namespace {

using LauncherTest = CorvaneTest;

constexpr const char* kHint = "Press Support for Manuals and Web Support, or to Backup, Compact or edit App Filespecs";

std::vector<std::string> Captions(const Form& launcher) {
  std::vector<std::string> captions;
  for (int number = 1; number <= 11; ++number) {
    captions.push_back(launcher.Text("CmdOpen" + std::to_string(number)));
  }
  return captions;
}

TEST_F(LauncherTest, WithNothingInstalledWarnsOfAccessFirstThenShowsDefaultsAtTheRightEdge) {
  const DWORD id = StartCorvane().Id();
  // Whatever shows first must be the message, while the launcher is not yet on the screen.
  ASSERT_TRUE(WaitFor([id] { return FindMessageBox(id) || FindFormWindow(id, "Corvane"); }, kStartWait));
  EXPECT_EQ(FindFormWindow(id, "Corvane"), nullptr) << "the launcher showed before the missing Access message";
  const ShownMessageBox box = WaitForMessageBox();
  EXPECT_EQ(box.title, "Corvane");
  EXPECT_EQ(box.text, "Can not find MSAccess.exe");
  SaveScreenshotAs(L"startup-message.png");
  AnswerMessageBox(box, IDOK);

  const Form launcher = WaitForLauncher();
  EXPECT_FALSE(FindMessageBox(id)) << "start-up showed a second message";
  EXPECT_EQ(launcher.Text("tTitle"), "NAME");
  EXPECT_EQ(Captions(launcher), (std::vector<std::string>{"HLQ", "Billing", "Contracts", "Grades", "Messages", "Promos",
                                                          "Purchase", "Quality", "Transcrip", "App10", "App11"}));

  // 40 twips short of the screen's right edge, frame included; twips become whole pixels.
  const RECT frame = WindowRect(launcher.handle());
  EXPECT_NEAR(ScreenWidthPixels() - frame.right, 40.0 * PixelsPerInch() / 1440, 1.0)
      << "frame from " << frame.left << " to " << frame.right << " on a screen " << ScreenWidthPixels() << " wide";
  EXPECT_GT(frame.left, ScreenWidthPixels() / 2);

  // Defaults stay in memory: loading writes no settings file.
  EXPECT_FALSE(FileExists(std::wstring(kAppNamesFile)));
  EXPECT_FALSE(FileExists(std::wstring(kPathsFile)));
  EXPECT_FALSE(FileExists(std::wstring(kAppAliasFile)));

  Sleep(500);  // let the launcher finish painting before the picture
  SaveScreenshotAs(L"launcher.png");
}

TEST_F(LauncherTest, ShowsTheTitleAndCaptionsOfTheSettingsFiles) {
  PlaceAccess();
  const std::vector<std::string> aliases{"Admissions", "Smith, Jones", "Library", " Padded ", "Payroll",  "Alumni",
                                         "Housing",    "Sports",       "Fees",    "",         "Last Slot"};
  WriteSettingsFiles({"A1.mde", "A2.mde", "A3.mde", "A4.mde", "A5.mde", "A6.mde", "A7.mde", "A8.mde", "A9.mde",
                      "A10.mde", "A11.mde", "Guide.pdf", "Guide2.pdf", "Spring, Main Menu"},
                     {"C:\\A", "C:\\A", "C:\\A", "C:\\A", "C:\\A", "C:\\A", "C:\\A", "C:\\A", "C:\\A", "C:\\A", "C:\\A",
                      "C:\\Manuals", "http://localhost/hlq/supporthlq.htm"},
                     aliases);
  const DWORD id = StartCorvane().Id();

  const Form launcher = WaitForLauncher();
  EXPECT_FALSE(FindMessageBox(id)) << "with Access in place start-up has nothing to say";
  EXPECT_EQ(launcher.Text("tTitle"), "Spring, Main Menu");
  EXPECT_EQ(Captions(launcher), aliases);
}

TEST_F(LauncherTest, TitleDoubleClickShowsTheHintWhateverTheTitleHolds) {
  const Form launcher = StartPastMissingAccess();
  const DWORD id = corvane().Id();

  for (const char* title : {"NAME", ""}) {
    launcher.SetText("tTitle", title);
    launcher.DoubleClick("tTitle");
    const ShownMessageBox box = WaitForMessageBox();
    EXPECT_EQ(box.title, "Corvane");
    EXPECT_EQ(box.text, kHint);
    AnswerMessageBox(box, IDOK);
    ASSERT_TRUE(WaitFor([id] { return !FindMessageBox(id); }, kShortWait)) << "the hint did not go with OK";
  }
  EXPECT_FALSE(corvane().HasEnded());
}

TEST_F(LauncherTest, ExitEndsTheProgramWithoutAMessage) {
  const Form launcher = StartPastMissingAccess();
  const DWORD id = corvane().Id();

  launcher.Click("CmdClose");
  bool messageShown = false;
  const bool ended = WaitFor(
      [&] {
        messageShown = messageShown || FindMessageBox(id).has_value();
        return corvane().HasEnded();
      },
      kShortWait);
  EXPECT_TRUE(ended) << "Exit left the program running";
  EXPECT_FALSE(messageShown);
}

}  // namespace
}  // namespace corvane::e2e
