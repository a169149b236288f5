// The lock file: its name beside the database, and the holders its 64-byte records name.
#include <gtest/gtest.h>

#include "support/LockFile.h"

namespace corvane {
namespace {

// One record: each name padded to its 32 bytes.
std::string Record(std::string computer, std::string user, char pad = '\0') {
  computer.resize(32, pad);
  user.resize(32, pad);
  return computer + user;
}

TEST(LockFileTest, SitsBesideTheDatabaseWithTheExtensionMatchedInAnyCase) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\Apps\\Billing.mdb", "C:\\Apps\\Billing.ldb"},
      {"C:\\Apps\\Billing.MDE", "C:\\Apps\\Billing.ldb"},
      {"C:\\Apps\\Billing.accdb", "C:\\Apps\\Billing.laccdb"},
      {"C:\\Apps\\Billing.AccDe", "C:\\Apps\\Billing.laccdb"},
      {"C:\\My.Apps\\Old.Billing.mdb", "C:\\My.Apps\\Old.Billing.ldb"},
      {"C:\\Apps\\Billing.mdbx", ""},
      {"C:\\Apps\\Billing.ldb", ""},
      {"C:\\Apps.mdb\\Billing", ""},
  };
  for (const auto& [database, lock] : cases) {
    EXPECT_EQ(LockFilePathFor(database), lock) << database;
  }
}

TEST(LockFileTest, ReadsEachDistinctHolderOnce) {
  struct Case {
    const char* what;
    std::string bytes;
    std::vector<LockHolder> holders;
  };
  const std::string full(32, 'C');
  const Case cases[] = {
      {"empty file", "", {}},
      {"NUL padding", Record("PC1", "ann"), {{"PC1", "ann"}}},
      {"blank padding", Record("PC1", "ann", ' '), {{"PC1", "ann"}}},
      {"NUL inside a name", Record(std::string("PC1\0old", 7), std::string("ann\0 x", 6), ' '), {{"PC1", "ann"}}},
      {"names filling 32 bytes", Record(full, full), {{full, full}}},
      {"repeats",
       Record("PC1", "ann") + Record("PC2", "ann") + Record("PC1", "ann", ' '),
       {{"PC1", "ann"}, {"PC2", "ann"}}},
      {"no computer", Record("", "ann") + Record(" ", "bob", ' ') + Record("PC1", "eve"), {{"PC1", "eve"}}},
      {"computer without user", Record("PC1", "") + Record("PC2", "  ", ' '), {{"PC1", ""}, {"PC2", ""}}},
      {"truncated last record", Record("PC1", "ann") + Record("PC2", "bob").substr(0, 63), {{"PC1", "ann"}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadLockHolders(c.bytes), c.holders) << c.what;
  }
}

TEST(LockFileTest, ShowsAtMostTenHoldersAfterRepeatsAreDropped) {
  std::string bytes = Record("PC0", "u");
  for (int i = 0; i < 12; ++i) {
    bytes += Record("PC" + std::to_string(i), "u");
  }
  const auto holders = ReadLockHolders(bytes);
  ASSERT_EQ(holders.size(), 10u);
  EXPECT_EQ(holders.back().computer, "PC9");
  EXPECT_EQ(HoldersText(holders).substr(0, 20), "PC0 (u), PC1 (u), PC");
}

TEST(LockFileTest, NamesTheComputerAloneWhereTheUserIsUnknown) {
  const LockHolder holders[] = {{"PC1", "ann"}, {"PC2", ""}, {"PC3", "bob"}};
  EXPECT_EQ(HoldersText(holders), "PC1 (ann), PC2, PC3 (bob)");
  EXPECT_EQ(HoldersText({}), "");
}

}  // namespace
}  // namespace corvane
