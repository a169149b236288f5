// The three locators: every candidate probed, the priority between two installations, and probes that fail.
#include "HostTest.h"
#include "locate/Candidates.h"

namespace corvane::testing {
namespace {

using namespace Shortcuts11;

const std::string kOffice = "C:\\Program Files\\Microsoft Office\\";
const std::string kOffice86 = "C:\\Program Files (x86)\\Microsoft Office\\";
const std::string kWordPad = "C:\\Program Files\\Windows NT\\Accessories\\Wordpad.exe";
const std::string kWordPad86 = "C:\\Program Files (x86)\\Windows NT\\Accessories\\Wordpad.exe";
const std::string kAdobe = "C:\\Program Files\\Adobe\\";

// Two installations side by side, and the one each locator must choose.
TEST(Locate, ChoosesBetweenTwoInstallationsByPriority) {
  struct Case {
    void (*locate)(Platform&);
    const std::string* chosen;
    std::string installed, winner;
  } cases[] = {
      {LocateAccess, &AccessPath, kOffice + "Office14\\MSAccess.exe",
       "C:\\Program Files\\Common Files\\Runtime\\MSAccess.exe"},
      {LocateAccess, &AccessPath, kOffice86 + "Office10\\MSAccess.exe", kOffice + "Office14\\MSAccess.exe"},
      {LocateAccess, &AccessPath, kOffice86 + "Office14\\MSAccess.exe", kOffice86 + "Art\\Office\\MSAccess.exe"},
      {LocateWordProcessor, &WordProcessorPath, kWordPad, kOffice + "Office\\WinWord.exe"},
      {LocateWordProcessor, &WordProcessorPath, kOffice + "Office12\\WinWord.exe", kOffice + "Office14\\WinWord.exe"},
      {LocateWordProcessor, &WordProcessorPath, kOffice + "Office14\\WinWord.exe", kOffice86 + "Office10\\WinWord.exe"},
      {LocateWordProcessor, &WordProcessorPath, kWordPad86, "C:\\Program Files\\Accessories\\Wordpad.exe"},
      {LocatePdfReader, &PdfReaderPath, kAdobe + "Reader 11.0\\Reader\\AcroRd32.exe",
       kAdobe + "Reader 9.0\\Reader\\AcroRd32.exe"},
  };
  for (const Case& c : cases) {
    ResetModuleState();
    FakePlatform machine;
    machine.AddFile(c.installed);
    machine.AddFile(c.winner);
    c.locate(machine);
    EXPECT_EQ(*c.chosen, c.winner);
    EXPECT_TRUE(machine.messages.empty());
  }
}

TEST(Locate, ProbesEveryCandidateEvenAfterAHit) {
  FakePlatform machine;
  machine.AddFile(std::string(kAccessCandidates[0]));
  LocateAccess(machine);
  EXPECT_EQ(machine.probes, std::vector<std::string>(kAccessCandidates.begin(), kAccessCandidates.end()));
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
  LocateAccess(platform);
  LocateWordProcessor(platform);
  LocatePdfReader(platform);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(AccessPath, kOffice + "Office14\\MSAccess.exe");
  EXPECT_EQ(WordProcessorPath, kWordPad);
  EXPECT_EQ(PdfReaderPath, kAdobe + "Reader 9.0\\Reader\\AcroRd32.exe");
  EXPECT_EQ(PdfReaderStatus, "exists");

  FakePlatform empty;
  LocateAccess(empty);
  LocateWordProcessor(empty);
  LocatePdfReader(empty);
  EXPECT_EQ(AccessPath, kOffice + "Office14\\MSAccess.exe");  // nothing found keeps what a start found before
  EXPECT_EQ(WordProcessorStatus, "Can not find Word Processor");
  EXPECT_EQ(PdfReaderStatus, "Can not find Adobe Reader");
  ASSERT_EQ(empty.messages.size(), 1u);
  EXPECT_EQ(empty.messages[0].text, "Can not find MSAccess.exe");
}

}  // namespace
}  // namespace corvane::testing
