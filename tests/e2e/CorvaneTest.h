// The fixture of every end-to-end test: a clean drive C: before and after, and Corvane.exe ended at the end.
#pragma once

#include <gtest/gtest.h>

#include <array>
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
// The reader and the word processor the manuals open in; Word there outranks the prefix's own WordPad.
inline constexpr std::wstring_view kPdfReaderPath = L"C:\\Program Files\\Adobe\\Reader 9.0\\Reader\\AcroRd32.exe";
inline constexpr std::wstring_view kWordProcessorPath = L"C:\\Program Files\\Microsoft Office\\Office11\\WinWord.exe";
// Outranks the prefix's C:\windows\explorer.exe, which Wine itself needs and a test must never replace.
inline constexpr std::wstring_view kWinntExplorerPath = L"C:\\Winnt\\Explorer.exe";
// Every place a test may put the stand-in: each is cleaned up whether or not the test got as far as placing it.
inline constexpr std::array kStandInPlaces{kAccessPath, kPdfReaderPath, kWordProcessorPath, kWinntExplorerPath};

// Folders with a blank in their names, so that a path that is not quoted would fall apart on a command line.
inline constexpr std::wstring_view kDatabaseFolder = L"C:\\Corvane Test Apps";
inline constexpr std::wstring_view kManualsFolder = L"C:\\Corvane Test Manuals";

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
  Form WaitForForm(const FormLayout& layout, Timeout timeout = kShortWait) const;
  ShownMessageBox WaitForMessageBox(Timeout timeout = kShortWait) const;
  // Starts without any Access in place, answers the "Can not find" box start-up shows, and returns the launcher.
  Form StartPastMissingAccess();
  // Presses the launcher's Support button and returns the support window it shows.
  Form OpenSupport(const Form& launcher) const;

  // Presses the button and waits until the box has gone, so that the next wait cannot find it again.
  void Answer(const ShownMessageBox& box, int button) const;
  // True when no message box shows within `quiet`: the way to see that the program had nothing more to say.
  bool ShowsNoMessageBox(Timeout quiet = Timeout{700}) const;

  // Puts the stand-in at `place`, one of kStandInPlaces, where it records every start.
  void PlaceStandIn(std::wstring_view place);
  void PlaceAccess() { PlaceStandIn(kAccessPath); }
  // Waits until the stand-in at `place` has recorded `count` starts, and returns every command line it recorded.
  std::vector<std::string> WaitForStarts(std::wstring_view place, std::size_t count) const;
  std::vector<std::string> WaitForAccessStarts(std::size_t count) const { return WaitForStarts(kAccessPath, count); }
  // The command lines recorded so far; none when the stand-in was never started.
  static std::vector<std::string> StartsOf(std::wstring_view place);

  // A database file with these bytes in the test's database folder.
  std::wstring MakeDatabase(const std::wstring& name,
                            std::string_view bytes = "stand-in database of the end-to-end tests");

  // A picture in the build's screenshot folder: the whole screen, or only `area` of it.
  static void SaveScreenshotAs(const std::wstring& name, std::optional<RECT> area = std::nullopt);

 private:
  void RemoveEverythingPlaced();
  // Why a wait for `what` came to nothing: the program ended, or it just did not show it in time.
  std::string NothingShowed(const std::string& what) const;

  std::unique_ptr<RunningProgram> corvane_;
  std::vector<std::wstring> madeFolders_;
};

}  // namespace corvane::e2e
