// Manuals and web support: the base-name cut, the candidate paths, the decision table and the command lines.
#include "CorvaneTest.h"
#include "support/Manuals.h"

namespace corvane::testing {
namespace {

using namespace Shortcuts11;

TEST(ManualBaseNameTest, CutsOnlyALowerCasePdfOrDocEnding) {
  EXPECT_EQ(ManualBaseName("Manual1.pdf"), "Manual1");
  EXPECT_EQ(ManualBaseName("Guide.doc"), "Guide");
  EXPECT_EQ(ManualBaseName("Guide"), "Guide");
  EXPECT_EQ(ManualBaseName("Guide.PDF"), "Guide.PDF");
  EXPECT_EQ(ManualBaseName("Guide.txt"), "Guide.txt");
  EXPECT_EQ(ManualBaseName(".pdf"), "");
  EXPECT_EQ(ManualBaseName(""), "");
}

TEST(DecideManualTest, FollowsTheTableTopRowFirst) {
  struct Row {
    bool reader, pdf, word, doc;
    ManualAction action;
    std::string message;
  };
  const std::vector<Row> rows{
      {true, true, false, false, ManualAction::OpenPdf, ""},
      {true, true, true, true, ManualAction::OpenPdf, ""},
      {true, false, true, true, ManualAction::OpenDoc, ""},
      {true, false, true, false, ManualAction::Tell, "Cannot find the Manual in pdf or doc format"},
      {true, false, false, true, ManualAction::Tell, "Cannot find the Manual or Word Processor"},
      {true, false, false, false, ManualAction::Tell, "Cannot find the Manual or Word Processor"},
      {false, true, true, true, ManualAction::OpenDoc, ""},
      {false, true, true, false, ManualAction::Tell, "Cannot find Adobe Reader or the Manual"},
      {false, false, true, false, ManualAction::Tell, "Cannot find Adobe Reader or the Manual"},
      {false, true, false, true, ManualAction::Tell, "Cannot find Adobe Reader or Word Processor"},
  };
  for (const Row& row : rows) {
    const ManualDecision decision = DecideManual(row.reader, row.pdf, row.word, row.doc);
    EXPECT_EQ(decision.action, row.action) << row.reader << row.pdf << row.word << row.doc;
    EXPECT_EQ(decision.message, row.message) << row.reader << row.pdf << row.word << row.doc;
  }
}

class ManualsTest : public CorvaneTest {
 protected:
  static constexpr const char* kReader = "C:\\Program Files\\Adobe\\Reader 9.0\\Reader\\AcroRd32.exe";
  static constexpr const char* kWord = "C:\\Program Files\\Windows NT\\Accessories\\Wordpad.exe";

  ManualsTest() {
    platform.AddFile(kReader);
    platform.AddFile(kWord);
    PdfReaderPath = kReader;
    PdfReaderStatus = "exists";
    WordProcessorPath = kWord;
    WordProcessorStatus = "exists";
    LauncherSettings.ManualName1 = "Manual1.pdf";
    LauncherSettings.ManualName2 = "Guide.doc";
    LauncherSettings.ManualPath = "C:\\Help Files";
    platform.AddFolder("C:\\Help Files");
  }
};

TEST_F(ManualsTest, ThePdfOpensInTheReaderWhenBothCopiesExist) {
  platform.AddFile("C:\\Help Files\\Manual1.pdf");
  platform.AddFile("C:\\Help Files\\Manual1.doc");
  OpenManual(platform, 1);
  ASSERT_EQ(platform.starts.size(), 1u);
  EXPECT_EQ(platform.starts[0].program, kReader);
  EXPECT_EQ(ShellCommandLine, "\"" + std::string(kReader) + "\" \"C:\\Help Files\\Manual1.pdf\"");
}

TEST_F(ManualsTest, TheDocOpensInTheWordProcessorWhenThereIsNoPdf) {
  platform.AddFile("C:\\Help Files\\Guide.doc");
  OpenManual(platform, 2);
  ASSERT_EQ(platform.starts.size(), 1u);
  EXPECT_EQ(ShellCommandLine, "\"" + std::string(kWord) + "\" \"C:\\Help Files\\Guide.doc\"");
}

TEST_F(ManualsTest, ProbesBothCopiesOfTheBaseNameWhateverTheExtensionSays) {
  LauncherSettings.ManualName2 = "Guide.PDF";
  LauncherSettings.ManualPath = "C:\\Help Files\\";
  OpenManual(platform, 2);
  EXPECT_EQ(platform.probes, (std::vector<std::string>{"C:\\Help Files\\", "C:\\Help Files\\\\Guide.PDF.pdf",
                                                       "C:\\Help Files\\\\Guide.PDF.doc"}));
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Cannot find the Manual in pdf or doc format"});
}

TEST_F(ManualsTest, AMissingOrEmptyFolderIsSaidWithoutProbingForTheManual) {
  LauncherSettings.ManualPath = "";
  OpenManual(platform, 1);
  EXPECT_TRUE(platform.probes.empty());
  LauncherSettings.ManualPath = "C:\\Nowhere";
  OpenManual(platform, 1);
  OpenManual(platform, 3);  // no such manual: no name, no folder
  EXPECT_EQ(platform.probes, std::vector<std::string>{"C:\\Nowhere"});
  EXPECT_EQ(MessageTexts(), std::vector<std::string>(3, "Cannot find Path to the Manual."));
  EXPECT_TRUE(platform.starts.empty());
}

TEST_F(ManualsTest, AProgramRemovedSinceStartUpIsReportedByTheFailureRule) {
  platform.AddFile("C:\\Help Files\\Manual1.pdf");
  PdfReaderPath = "C:\\Gone\\AcroRd32.exe";
  OpenManual(platform, 1);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].text.find("C:\\Gone\\AcroRd32.exe"), std::string::npos);
  EXPECT_EQ(platform.messages[0].title, "Corvane");
}

TEST_F(ManualsTest, WebSupportStartsTheFixedBrowserWithTheAddressUnquoted) {
  const std::string browser = "C:\\Program Files\\Internet Explorer\\iexplore.exe";
  platform.AddFile(browser);
  for (const char* address : {"http://example.com/hlq/supporthlq.htm", ""}) {
    LauncherSettings.SupportUrl = address;
    OpenWebSupport(platform);
    EXPECT_EQ(platform.starts.back().program, browser);
    EXPECT_EQ(ShellCommandLine, browser + " " + address);
  }
  platform.FailOn("StartProgram", browser, "Access is denied.");
  OpenWebSupport(platform);
  EXPECT_EQ(platform.messages.size(), 1u);
}

}  // namespace
}  // namespace corvane::testing
