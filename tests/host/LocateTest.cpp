// The three locators: probe order, priority order and what is set when nothing is found.
#include "CorvaneTest.h"
#include "locate/Candidates.h"

namespace corvane::testing {
namespace {

using namespace Shortcuts11;

class LocateTest : public CorvaneTest {
 protected:
  void Install(std::string_view path) { platform.AddFile(std::string(path), "MZ"); }
};

TEST_F(LocateTest, AccessAtAnySingleCandidateIsFoundCharacterForCharacter) {
  for (std::string_view candidate : kAccessCandidates) {
    FakePlatform machine;
    machine.AddFile(std::string(candidate));
    AccessPath.clear();
    LocateAccess(machine);
    EXPECT_EQ(AccessPath, candidate);
    EXPECT_TRUE(machine.messages.empty());
  }
}

TEST_F(LocateTest, EveryCandidateIsProbedInOrderEvenAfterAHit) {
  Install(kAccessCandidates[0]);
  LocateAccess(platform);
  EXPECT_EQ(platform.probes, std::vector<std::string>(kAccessCandidates.begin(), kAccessCandidates.end()));
}

TEST_F(LocateTest, AccessPrefersTheEarliestListedCandidate) {
  Install("C:\\Program Files\\Microsoft Office\\Office14\\MSAccess.exe");
  Install("C:\\Program Files\\Common Files\\Runtime\\MSAccess.exe");
  LocateAccess(platform);
  EXPECT_EQ(AccessPath, "C:\\Program Files\\Common Files\\Runtime\\MSAccess.exe");
}

TEST_F(LocateTest, MissingAccessIsSaidOnceAndLeavesThePathEmpty) {
  LocateAccess(platform);
  EXPECT_EQ(AccessPath, "");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Can not find MSAccess.exe");
  EXPECT_EQ(platform.messages[0].title, "Corvane");
  EXPECT_EQ(platform.messages[0].buttons, Buttons::Ok);
}

TEST_F(LocateTest, FoldersHiddenAndSystemFilesAtACandidateDoNotCount) {
  platform.AddFolder(std::string(kAccessCandidates[0]));
  Install(kAccessCandidates[1]);
  platform.FileAt(std::string(kAccessCandidates[1])).hidden = true;
  Install(kAccessCandidates[2]);
  platform.FileAt(std::string(kAccessCandidates[2])).system = true;
  Install(kAccessCandidates[3]);
  platform.FileAt(std::string(kAccessCandidates[3])).readOnly = true;
  LocateAccess(platform);
  EXPECT_EQ(AccessPath, kAccessCandidates[3]);
}

TEST_F(LocateTest, TheWordProcessorPrefersTheLastListedCandidate) {
  Install("C:\\Program Files\\Microsoft Office\\Office14\\WinWord.exe");
  Install("C:\\Program Files (x86)\\Microsoft Office\\Office10\\WinWord.exe");
  Install("C:\\Program Files\\Windows NT\\Accessories\\Wordpad.exe");
  LocateWordProcessor(platform);
  EXPECT_EQ(WordProcessorPath, "C:\\Program Files (x86)\\Microsoft Office\\Office10\\WinWord.exe");
  EXPECT_EQ(WordProcessorStatus, "exists");
}

TEST_F(LocateTest, WithOnlyWordPadThePlainProgramFilesOneWins) {
  Install("C:\\Program Files\\Windows NT\\Accessories\\Wordpad.exe");
  Install("C:\\Program Files (x86)\\Windows NT\\Accessories\\Wordpad.exe");
  LocateWordProcessor(platform);
  EXPECT_EQ(WordProcessorPath, "C:\\Program Files\\Windows NT\\Accessories\\Wordpad.exe");
}

TEST_F(LocateTest, TheReaderPrefersTheOldestListedVersion) {
  Install("C:\\Program Files\\Adobe\\Reader 11.0\\Reader\\AcroRd32.exe");
  Install("C:\\Program Files\\Adobe\\Reader 9.0\\Reader\\AcroRd32.exe");
  LocatePdfReader(platform);
  EXPECT_EQ(PdfReaderPath, "C:\\Program Files\\Adobe\\Reader 9.0\\Reader\\AcroRd32.exe");
  EXPECT_EQ(PdfReaderStatus, "exists");
}

TEST_F(LocateTest, NoWordProcessorOrReaderSetsTheNotFoundTextsSilently) {
  LocateWordProcessor(platform);
  LocatePdfReader(platform);
  EXPECT_EQ(WordProcessorStatus, "Can not find Word Processor");
  EXPECT_EQ(PdfReaderStatus, "Can not find Adobe Reader");
  EXPECT_EQ(WordProcessorPath, "");
  EXPECT_EQ(PdfReaderPath, "");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(LocateTest, AFailingProbeIsReportedAndChoosesNothing) {
  Install(kPdfReaderCandidates[0]);
  platform.FailOn("Exists", std::string(kPdfReaderCandidates[4]), "The device is not ready.");
  LocatePdfReader(platform);
  EXPECT_EQ(MessageTexts(),
            std::vector<std::string>{std::string(kPdfReaderCandidates[4]) + ": The device is not ready."});
  EXPECT_EQ(PdfReaderPath, "");
  EXPECT_EQ(PdfReaderStatus, "exists");
}

}  // namespace
}  // namespace corvane::testing
