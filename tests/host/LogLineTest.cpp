// A log line: fixed-width local time, tab-separated fields, one CR LF however the system's text ends.
#include <gtest/gtest.h>

#include "unattended/LogLine.h"

namespace corvane {
namespace {

TEST(LogLineTest, IsOneTabSeparatedLine) {
  const std::vector<std::string> extra{"C:\\Apps\\ArcBackup\\Arc1726Billing.mde", "1048576"};
  EXPECT_EQ(
      LogLine({2026, 1, 7, 2, 0, 5}, "backup", "C:\\Apps\\Billing.mde", "ok", extra),
      "2026-01-07 02:00:05\tbackup\tC:\\Apps\\Billing.mde\tok\tC:\\Apps\\ArcBackup\\Arc1726Billing.mde\t1048576\r\n");
  EXPECT_EQ(LogLine({2027, 12, 31, 23, 59, 9}, "compact", "C:\\A.mdb", "failed: Access is\tdenied.\r\n"),
            "2027-12-31 23:59:09\tcompact\tC:\\A.mdb\tfailed: Access is denied.\r\n");
}

}  // namespace
}  // namespace corvane
