// The support window as a person meets it: where it opens, its check boxes, and the hidden Delete Path Files.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "CorvaneTest.h"
#include "DriveC.h"
#include "TestSettings.h"
#include "TopWindows.h"
#include "support/frmSupport11Layout.h"

namespace corvane::e2e {
namespace {

using SupportWindowTest = CorvaneTest;

std::vector<std::string> CheckCaptions(const Form& support) {
  std::vector<std::string> captions;
  for (int number = 1; number <= 11; ++number) {
    captions.push_back(support.Text("Check" + std::to_string(number)));
  }
  return captions;
}

RECT Spanning(const RECT& a, const RECT& b) {
  return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
              std::max(a.bottom, b.bottom)};
}

TEST_F(SupportWindowTest, OpensJustLeftOfTheLauncherWithABoxNamedForEachApplication) {
  const Form launcher = StartPastMissingAccess();
  const Form support = OpenSupport(launcher);

  EXPECT_TRUE(ShowsNoMessageBox());
  EXPECT_EQ(CheckCaptions(support), (std::vector<std::string>{"App1", "App2", "App3", "App4", "App5", "App6", "App7",
                                                              "App8", "App9", "App10", "App11"}));

  // 40 twips between the two frames; twips become whole pixels on the way.
  const RECT launcherFrame = WindowRect(launcher.handle());
  const RECT supportFrame = WindowRect(support.handle());
  EXPECT_NEAR(launcherFrame.left - supportFrame.right, 40.0 * PixelsPerInch() / 1440, 1.5)
      << "support window ends at " << supportFrame.right << ", launcher begins at " << launcherFrame.left;

  Sleep(500);  // let both windows finish painting before the picture
  SaveScreenshotAs(L"support.png", Spanning(supportFrame, launcherFrame));
}

TEST_F(SupportWindowTest, AFileNameTooShortToCutLeavesItsBoxAndTheRestWithTheirDesignCaptions) {
  PlaceAccess();
  TestSettings settings = SettingsWithFolders(kDatabaseFolder, kManualsFolder);
  // The cut counts characters: a five-letter extension keeps its dot and first letter; ".mde" leaves nothing.
  settings.appNames[0] = "Sales.accdb";
  settings.appNames[1] = "Grades.mde";
  settings.appNames[2] = ".mde";
  settings.appNames[5] = "Abc";
  settings.Write();
  StartCorvane();
  const Form launcher = WaitForLauncher();

  launcher.Click("CmdOpenSupport");
  const ShownMessageBox failure = WaitForMessageBox();
  EXPECT_EQ(failure.title, "Corvane");
  EXPECT_FALSE(failure.text.empty());
  Answer(failure, IDOK);

  const Form support = WaitForForm(kFrmSupport11Layout);
  EXPECT_TRUE(ShowsNoMessageBox()) << "more than one failure message";
  EXPECT_EQ(CheckCaptions(support), (std::vector<std::string>{"Sales.a", "Grades", "", "App4", "App5", "Check6",
                                                              "Check7", "Check8", "Check9", "Check10", "Check11"}));
}

TEST_F(SupportWindowTest, DeletePathFilesShowsOnAFrameDoubleClickAndDeletesTwoFilesOnlyOnYes) {
  PlaceAccess();
  SettingsWithFolders(kDatabaseFolder, kManualsFolder).Write();
  StartCorvane();
  const Form launcher = WaitForLauncher();
  const Form support = OpenSupport(launcher);
  const auto present = [] {
    return std::vector<bool>{FileExists(std::wstring(kAppNamesFile)), FileExists(std::wstring(kPathsFile)),
                             FileExists(std::wstring(kAppAliasFile))};
  };

  EXPECT_FALSE(support.IsShown("CmdDeletePathFiles")) << "the button shows before any double-click";
  support.DoubleClickFrame("Frame1");
  ASSERT_TRUE(WaitFor([&] { return support.IsShown("CmdDeletePathFiles"); }, kShortWait))
      << "a double-click on the frame did not show Delete Path Files";

  const auto pressDeleteAndAnswer = [&](int answer) {
    support.Click("CmdDeletePathFiles");
    const ShownMessageBox question = WaitForMessageBox();
    EXPECT_EQ(question.title, "WARNING");
    EXPECT_EQ(question.text, "Are you sure you want to Delete the files storing your Path and File specs?");
    EXPECT_TRUE(HasButton(question, IDYES) && HasButton(question, IDNO));
    Answer(question, answer);
    EXPECT_TRUE(ShowsNoMessageBox()) << "the delete has nothing to tell";
  };

  pressDeleteAndAnswer(IDNO);
  EXPECT_EQ(present(), (std::vector<bool>{true, true, true})) << "No deleted a file";

  pressDeleteAndAnswer(IDYES);
  // The captions' file stays, so that the next start keeps the buttons' names.
  EXPECT_EQ(present(), (std::vector<bool>{false, false, true}));
}

}  // namespace
}  // namespace corvane::e2e
