// An application button as a person uses it: a missing database is named, a present one opens in Access.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CorvaneTest.h"
#include "DriveC.h"
#include "TopWindows.h"

namespace corvane::e2e {
namespace {

using OpenAppTest = CorvaneTest;

// Every slot lives in the test's database folder; CmdOpen3 (slot 2) names `thirdApp`, CmdOpen4 "Grades.mde".
void WriteSettingsNaming(const std::string& thirdApp) {
  const std::string folder = "C:\\Corvane Test Apps";
  WriteSettingsFiles({"App1.mde", "App2.mde", thirdApp, "Grades.mde", "App5.mde", "App6.mde", "App7.mde", "App8.mde",
                      "App9.mde", "App10.mde", "App11.mde", "Manual1.pdf", "Manual2.pdf", "NAME"},
                     {folder, folder, folder, folder, folder, folder, folder, folder, folder, folder, folder, folder,
                      "http://localhost/hlq/supporthlq.htm"},
                     {"HLQ", "Billing", "Contracts", "Grades", "Messages", "Promos", "Purchase", "Quality", "Transcrip",
                      "App10", "App11"});
}

TEST_F(OpenAppTest, MissingDatabaseIsNamedAndNothingStarts) {
  PlaceAccess();
  MakeDatabase(L"Grades.mde");
  WriteSettingsNaming("Contracts.mde");
  StartCorvane();
  const Form launcher = WaitForLauncher();
  const DWORD id = corvane().Id();

  launcher.Click("CmdOpen3");
  const ShownMessageBox box = WaitForMessageBox();
  EXPECT_EQ(box.title, "Corvane");
  EXPECT_EQ(box.text, "Cannot find Contracts.mde database.");
  AnswerMessageBox(box, IDOK);
  ASSERT_TRUE(WaitFor([id] { return !FindMessageBox(id); }, kShortWait));

  // Had the first click started Access, its line would come before this one.
  launcher.Click("CmdOpen4");
  EXPECT_EQ(WaitForAccessStarts(1),
            (std::vector<std::string>{R"("C:\Program Files\Microsoft Office\Office11\MSAccess.exe" )"
                                      R"("C:\Corvane Test Apps\Grades.mde")"}));
}

TEST_F(OpenAppTest, PresentDatabaseOpensInAccessWithBothPathsQuoted) {
  PlaceAccess();
  MakeDatabase(L"Contracts.mde");
  WriteSettingsNaming("Contracts.mde");
  StartCorvane();
  const Form launcher = WaitForLauncher();
  const std::string expected =
      R"("C:\Program Files\Microsoft Office\Office11\MSAccess.exe" "C:\Corvane Test Apps\Contracts.mde")";

  launcher.Click("CmdOpen3");
  EXPECT_EQ(WaitForAccessStarts(1), std::vector<std::string>{expected});
  EXPECT_FALSE(FindMessageBox(corvane().Id()));

  // The launcher neither waits for Access nor tracks it: the next click starts another.
  launcher.Click("CmdOpen3");
  EXPECT_EQ(WaitForAccessStarts(2), (std::vector<std::string>{expected, expected}));
}

}  // namespace
}  // namespace corvane::e2e
