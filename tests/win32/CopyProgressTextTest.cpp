// The progress window's wording: the file's name, and the counts in units of 1000 bytes.
#include <gtest/gtest.h>

#include "platform/win32/CopyProgressText.h"

namespace corvane::win32::test {
namespace {

TEST(CopyProgressTextTest, NamesTheFileWithoutItsFolder) {
  EXPECT_EQ(CopyingText("C:\\Apps\\App1.mde"), "Copying App1.mde");
  EXPECT_EQ(CopyingText("C:/Apps/My App.mde"), "Copying My App.mde");
  EXPECT_EQ(CopyingText("App1.mde"), "Copying App1.mde");
}

TEST(CopyProgressTextTest, CountsInUnitsOfOneThousandRoundedDown) {
  struct Case {
    std::uint64_t copied;
    std::uint64_t total;
    const char* text;
  };
  constexpr Case kCases[] = {
      {0, 1'024'000'000, "0 MB of 1024 MB"},
      {512'000'000, 1'024'000'000, "512 MB of 1024 MB"},
      {999'999, 1'024'999'999, "0 MB of 1024 MB"},
      {5'368'709'120, 8'589'934'592, "5368 MB of 8589 MB"},
      {10'000'000, 10'000'000, "10 MB of 10 MB"},
      {1'999, 9'999'999, "1 KB of 9999 KB"},
      {0, 0, "0 KB of 0 KB"},
      {2'000'000, 1'500'000, "1500 KB of 1500 KB"},
  };
  for (const Case& example : kCases) {
    EXPECT_EQ(CopiedText(example.copied, example.total), example.text) << example.copied << " of " << example.total;
  }
}

}  // namespace
}  // namespace corvane::win32::test
