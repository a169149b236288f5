// Compaction: the message sequence, Access's command line and the size texts.
#include "CorvaneTest.h"
#include "support/Compact.h"

namespace corvane::testing {
namespace {

using namespace Shortcuts11;

TEST(KiloBytesTextTest, WritesThousandsOfBytesInTheGeneralFormat) {
  EXPECT_EQ(KiloBytesText(500, "."), "0.5");
  EXPECT_EQ(KiloBytesText(1500, "."), "1.5");
  EXPECT_EQ(KiloBytesText(1000000, "."), "1000");
  EXPECT_EQ(KiloBytesText(0, "."), "0");
  EXPECT_EQ(KiloBytesText(1, "."), "0.001");
  EXPECT_EQ(KiloBytesText(5368709121ULL, "."), "5368709.121");  // over 4 GiB
  EXPECT_EQ(KiloBytesText(1500, ","), "1,5");
}

class CompactTest : public CorvaneTest {
 protected:
  static constexpr const char* kAccess = "C:\\Program Files\\Microsoft Office\\Office11\\MSAccess.exe";

  CompactTest() {
    LauncherSettings.Apps[0] = {"App1.mde", "C:\\My Apps", ""};
    LauncherSettings.Apps[2] = {"App3.mde", "C:\\My Apps", ""};
    platform.AddFile("C:\\My Apps\\App1.mde", std::string(1500, 'x'));
    platform.AddFile(kAccess);
    AccessPath = kAccess;
  }
};

TEST_F(CompactTest, WarnsReportsStartsAndWaitsThenReportsAgain) {
  platform.Answer(Answer::Ok);
  CompactApp(platform, 0);

  ASSERT_EQ(platform.messages.size(), 3u);
  EXPECT_EQ(platform.messages[0].text,
            "Please close App1.mde\n\rAnd have all other Users Exit this application before proceeding.");
  EXPECT_EQ(platform.messages[0].title, "WARNING");
  EXPECT_EQ(platform.messages[0].buttons, Buttons::OkCancel);
  EXPECT_EQ(platform.messages[1].text, "App1.mde File Size Before Compaction is 1.5 KB");
  EXPECT_EQ(platform.messages[2].text, "App1.mde File Size After Compaction is 1.5 KB");
  ASSERT_EQ(platform.starts.size(), 1u);
  EXPECT_EQ(platform.starts[0].commandLine, "\"" + std::string(kAccess) + "\" \"C:\\My Apps\\App1.mde\" /compact");
  EXPECT_EQ(platform.starts[0].wait, Wait::UntilEnded);
}

TEST_F(CompactTest, CancelEndsTheSlotAndAMissingFileIsNamed) {
  platform.Answer(Answer::Cancel);
  CompactApp(platform, 0);
  CompactApp(platform, 2);
  EXPECT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[1].text, "Cannot find App3.mde database to compact");
  EXPECT_TRUE(platform.starts.empty());
}

TEST_F(CompactTest, WithoutAccessTheSizesFrameTheMissingAccessMessage) {
  AccessPath.clear();
  platform.Answer(Answer::Ok);
  CompactApp(platform, 0);
  EXPECT_EQ(MessageTexts(),
            (std::vector<std::string>{platform.messages[0].text, "App1.mde File Size Before Compaction is 1.5 KB",
                                      "Cannot find MSAccess. Close, then reopen Main Menu and try again.",
                                      "App1.mde File Size After Compaction is 1.5 KB"}));
}

TEST_F(CompactTest, AFailingSizeOrStartIsReportedInItsPlaceAndTheSlotGoesOn) {
  platform.FailOn("FileSize", "C:\\My Apps\\App1.mde", "The process cannot access the file.");
  platform.FailOn("StartProgram", kAccess, "The system cannot find the file specified.");
  platform.Answer(Answer::Ok);
  CompactApp(platform, 0);
  const auto texts = MessageTexts();
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[1], "C:\\My Apps\\App1.mde: The process cannot access the file.");
  EXPECT_EQ(texts[2], std::string(kAccess) + ": The system cannot find the file specified.");
  EXPECT_EQ(texts[3], "App1.mde File Size After Compaction is 1.5 KB");
}

}  // namespace
}  // namespace corvane::testing
