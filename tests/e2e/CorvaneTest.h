// The fixture of every end-to-end test: a clean drive C: before and after, and Corvane.exe ended at the end.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Form.h"
#include "MessageBoxes.h"
#include "Poll.h"
#include "RunningProgram.h"

namespace corvane::e2e {

// The test's Access: one of the places Corvane probes, under "Program Files" as a real installation would be.
inline constexpr std::wstring_view kAccessPath = L"C:\\Program Files\\Microsoft Office\\Office11\\MSAccess.exe";
// A folder with a blank in its name, so that a path that is not quoted would fall apart on the command line.
inline constexpr std::wstring_view kDatabaseFolder = L"C:\\Corvane Test Apps";

class CorvaneTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;

  // Starts Corvane.exe as a person would; the fixture terminates it at the end of the test.
  const RunningProgram& StartCorvane();
  const RunningProgram& corvane() const { return *corvane_; }

  // Each throws, failing the test, when nothing shows within the time.
  Form WaitForLauncher() const;
  ShownMessageBox WaitForMessageBox(Timeout timeout = kShortWait) const;
  // Starts without any Access in place, answers the "Can not find" box start-up shows, and returns the launcher.
  Form StartPastMissingAccess();

  // Puts the stand-in at the Access path, where it records every start for WaitForAccessStarts.
  void PlaceAccess();
  // Waits until the stand-in has recorded `count` starts, and returns every command line it recorded.
  std::vector<std::string> WaitForAccessStarts(std::size_t count) const;
  // A small database file in the test's database folder.
  std::wstring MakeDatabase(const std::wstring& name);

 private:
  void RemoveEverythingPlaced();
  // Why a wait for `what` came to nothing: the program ended, or it just did not show it in time.
  std::string NothingShowed(const std::string& what) const;

  std::unique_ptr<RunningProgram> corvane_;
  std::vector<std::wstring> madeFolders_;
};

}  // namespace corvane::e2e
