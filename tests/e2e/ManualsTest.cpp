// The manual buttons: a PDF opens in the reader, a DOC in the word processor, and a missing manual is named.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CorvaneTest.h"
#include "DriveC.h"
#include "TestSettings.h"

namespace corvane::e2e {
namespace {

// The reader and the word processor are found at start-up, so they are in place before the program starts.
class ManualsTest : public CorvaneTest {
 protected:
  void SetUp() override {
    CorvaneTest::SetUp();
    PlaceAccess();
    PlaceStandIn(kPdfReaderPath);
    PlaceStandIn(kWordProcessorPath);
    MakeFolders(std::wstring(kManualsFolder));
    SettingsWithFolders(kDatabaseFolder, kManualsFolder).Write();
  }

  static void PutManual(const std::wstring& name) {
    WriteBinaryFile(std::wstring(kManualsFolder) + L"\\" + name, "a manual");
  }

  Form StartAndOpenSupport() {
    StartCorvane();
    return OpenSupport(WaitForLauncher());
  }
};

TEST_F(ManualsTest, APdfOpensInTheReaderAndOnlyADocInTheWordProcessor) {
  // Manual 1 in both formats: the PDF wins. Manual 2, named "Manual2.pdf" in the settings, only as a DOC.
  PutManual(L"Manual1.pdf");
  PutManual(L"Manual1.doc");
  PutManual(L"Manual2.doc");
  const Form support = StartAndOpenSupport();

  support.Click("CmdOpenManual1");
  EXPECT_EQ(WaitForStarts(kPdfReaderPath, 1),
            std::vector<std::string>{R"("C:\Program Files\Adobe\Reader 9.0\Reader\AcroRd32.exe" )"
                                     R"("C:\Corvane Test Manuals\Manual1.pdf")"});

  support.Click("CmdOpenManual2");
  EXPECT_EQ(WaitForStarts(kWordProcessorPath, 1),
            std::vector<std::string>{R"("C:\Program Files\Microsoft Office\Office11\WinWord.exe" )"
                                     R"("C:\Corvane Test Manuals\Manual2.doc")"});
  EXPECT_TRUE(ShowsNoMessageBox());
  EXPECT_EQ(StartsOf(kPdfReaderPath).size(), 1u) << "Manual 2 started the reader too";
}

TEST_F(ManualsTest, AManualInNeitherFormatIsNamedAndNothingStarts) {
  PutManual(L"Manual1.pdf");
  const Form support = StartAndOpenSupport();

  support.Click("CmdOpenManual2");
  const ShownMessageBox box = WaitForMessageBox();
  EXPECT_EQ(box.title, "Corvane");
  // Both programs were found: only the manual itself is missing.
  EXPECT_EQ(box.text, "Cannot find the Manual in pdf or doc format");
  Answer(box, IDOK);
  EXPECT_TRUE(ShowsNoMessageBox());
  EXPECT_TRUE(StartsOf(kPdfReaderPath).empty());
  EXPECT_TRUE(StartsOf(kWordProcessorPath).empty());
}

}  // namespace
}  // namespace corvane::e2e
