// The three locators: every candidate probed, the priority between two installations, and probes that fail.
#include "HostTest.h"
#include "locate/Candidates.h"
#include "platform/Environment.h"

namespace corvane::testing {
namespace {

using namespace Shortcuts11;

const std::string kOffice = "C:\\Program Files\\Microsoft Office\\";
const std::string kOffice86 = "C:\\Program Files (x86)\\Microsoft Office\\";
const std::string kWordPad = "C:\\Program Files\\Windows NT\\Accessories\\Wordpad.exe";
const std::string kWordPad86 = "C:\\Program Files (x86)\\Windows NT\\Accessories\\Wordpad.exe";
const std::string kAdobe = "C:\\Program Files\\Adobe\\";
const std::string kRuntime = "C:\\Program Files\\Common Files\\Runtime\\MSAccess.exe";
const std::string kWordPadOld = "C:\\Program Files\\Accessories\\Wordpad.exe";

constexpr auto kAccessPath = &OutsidePrograms::AccessPath;
constexpr auto kWordPath = &OutsidePrograms::WordProcessorPath;
constexpr auto kReaderPath = &OutsidePrograms::PdfReaderPath;

// What each locator chooses: by the fixed list's priority between two installations; only where that list holds
// nothing, today's install places newest first, then the registrations whose file is there, read as Windows stores
// them.
TEST(Locate, ChoosesByTheFixedListsPriorityThenTodaysPlacesThenTheRegistrations) {
  const std::string c2r = kOffice + "root\\Office16\\MSACCESS.EXE", office2013 = kOffice86 + "Office15\\MSACCESS.EXE";
  const std::string odd = "D:\\Tools\\Access\\MSACCESS.EXE", acrobat = "E:\\Acrobat\\Acrobat.exe";
  const std::string programFiles = "C:\\Program Files\\Office\\MSACCESS.EXE";
  using Registered = std::map<std::string, std::vector<std::string>>;
  struct Case {
    void (*locate)(Desktop&, OutsidePrograms&);
    std::string OutsidePrograms::*chosen;
    std::vector<std::string> installed;
    Registered registered;
    std::string winner;
  } cases[] = {
      {LocateAccess, kAccessPath, {kOffice + "Office14\\MSAccess.exe", kRuntime}, {}, kRuntime},
      {LocateAccess,
       kAccessPath,
       {kOffice86 + "Office10\\MSAccess.exe", kOffice + "Office14\\MSAccess.exe"},
       {},
       kOffice + "Office14\\MSAccess.exe"},
      {LocateWordProcessor,
       kWordPath,
       {kWordPad, kOffice + "Office\\WinWord.exe"},
       {},
       kOffice + "Office\\WinWord.exe"},
      {LocateWordProcessor,
       kWordPath,
       {kOffice + "Office14\\WinWord.exe", kOffice86 + "Office10\\WinWord.exe"},
       {},
       kOffice86 + "Office10\\WinWord.exe"},
      {LocateWordProcessor, kWordPath, {kWordPad86, kWordPadOld}, {}, kWordPadOld},
      {LocatePdfReader,
       kReaderPath,
       {kAdobe + "Reader 11.0\\Reader\\AcroRd32.exe", kAdobe + "Reader 9.0\\Reader\\AcroRd32.exe"},
       {},
       kAdobe + "Reader 9.0\\Reader\\AcroRd32.exe"},
      {LocateAccess, kAccessPath, {kAccess, c2r, odd}, {{"MSACCESS.EXE", {odd}}}, kAccess},
      {LocateAccess, kAccessPath, {office2013, c2r, odd}, {{"MSACCESS.EXE", {odd}}}, c2r},
      {LocateAccess, kAccessPath, {odd}, {{"MSACCESS.EXE", {"D:\\Gone\\MSACCESS.EXE", odd}}}, odd},
      {LocateAccess, kAccessPath, {odd}, {{"MSACCESS.EXE", {" \"%SystemDrive%\\Tools\\Access\\MSACCESS.EXE\" "}}}, odd},
      {LocateAccess,
       kAccessPath,
       {programFiles},
       {{"MSACCESS.EXE", {"\"%ProgramFiles%\\Office\\MSACCESS.EXE\""}}},
       programFiles},
      {LocateAccess,
       kAccessPath,
       {"MSACCESS.EXE", "\\MSACCESS.EXE"},
       {{"MSACCESS.EXE", {"MSACCESS.EXE", "\\MSACCESS.EXE"}}},
       ""},
      {LocatePdfReader, kReaderPath, {acrobat}, {{"Acrobat.exe", {acrobat}}}, acrobat},
      {LocatePdfReader,
       kReaderPath,
       {kAdobe + "Acrobat Reader 2017\\Reader\\AcroRd32.exe", kAdobe + "Acrobat Reader 2020\\Reader\\AcroRd32.exe"},
       {},
       kAdobe + "Acrobat Reader 2020\\Reader\\AcroRd32.exe"},
  };
  for (const Case& c : cases) {
    OutsidePrograms state;
    FakeDesktop machine;
    machine.environment["SystemDrive"] = "D:";
    for (const std::string& file : c.installed) {
      machine.AddFile(file);
    }
    machine.registrations = c.registered;
    c.locate(machine, state);
    EXPECT_EQ(state.*c.chosen, c.winner);
    EXPECT_EQ(machine.messages.size(), c.winner.empty() ? 1u : 0u) << c.winner;
    EXPECT_TRUE(machine.associationQueries.empty()) << "a type's program stands in only for a manual";
  }
}

// References to variables that are not defined stay as typed, as Windows leaves them.
TEST(Locate, EnvironmentReferencesExpandAsWindowsExpandsThem) {
  FakeDesktop machine;
  for (const auto& [text, expanded] : {std::pair{"%ProgramFiles%\\X", "C:\\Program Files\\X"},
                                       {"%Nowhere%\\X", "%Nowhere%\\X"},
                                       {"100% %%", "100% %%"},
                                       {"%Nowhere%ProgramFiles%", "%NowhereC:\\Program Files"}}) {
    EXPECT_EQ(ExpandEnvironment(machine, text), expanded);
  }
}

class LocateTest : public HostTest {};

// A place the system will not look into holds no program, silently; it never costs a program found elsewhere.
TEST_F(LocateTest, AProbeTheSystemRefusesCountsAsAbsent) {
  platform.AddFile(kOffice + "Office14\\MSAccess.exe");
  platform.AddFile(kWordPad);
  platform.AddFile(kAdobe + "Reader 9.0\\Reader\\AcroRd32.exe");
  platform.FailOn("Exists", std::string(kAccessCandidates[0]), "Access is denied.");
  platform.FailOn("Exists", kOffice + "Office14\\WinWord.exe", "The directory name is invalid.");
  platform.FailOn("Exists", std::string(kPdfReaderCandidates[0]), "Access is denied.");
  LocateAccess(platform, state);
  LocateWordProcessor(platform, state);
  LocatePdfReader(platform, state);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(state.AccessPath, kOffice + "Office14\\MSAccess.exe");
  EXPECT_EQ(state.WordProcessorPath, kWordPad);
  EXPECT_EQ(state.PdfReaderPath, kAdobe + "Reader 9.0\\Reader\\AcroRd32.exe");
  EXPECT_EQ(state.PdfReaderStatus, "exists");

  FakeDesktop empty;
  LocateAccess(empty, state);
  LocateWordProcessor(empty, state);
  LocatePdfReader(empty, state);
  EXPECT_EQ(state.AccessPath, kOffice + "Office14\\MSAccess.exe");  // nothing found keeps what a start found before
  EXPECT_EQ(state.WordProcessorStatus, "Can not find Word Processor");
  EXPECT_EQ(state.PdfReaderStatus, "Can not find Adobe Reader");
  ASSERT_EQ(empty.messages.size(), 1u);
  EXPECT_EQ(empty.messages[0].text, "Can not find MSAccess.exe");
}

}  // namespace
}  // namespace corvane::testing
