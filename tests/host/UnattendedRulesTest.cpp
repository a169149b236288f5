// The rules of unattended maintenance: the command line, the lock file's holders, which files are backups.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "support/LockFile.h"
#include "unattended/KeepCopies.h"
#include "unattended/UnattendedRequest.h"

namespace corvane {
namespace {

using Arguments = std::vector<std::string>;

TEST(UnattendedRequest, AcceptsBothFormsInTheirSpellings) {
  struct Case {
    Arguments arguments;
    Maintenance action;
    bool allSlots;
    std::vector<int> slots;
    int keep, wait;
  } const cases[] = {
      {{"-BACKUP", "ALL", "-Keep", "14"}, Maintenance::Backup, true, {}, 14, 60},
      {{"/backup", "2,1", "/keep", "999"}, Maintenance::Backup, false, {0, 1}, 999, 60},
      {{"/backup", "3,", "1", "11", "3"}, Maintenance::Backup, false, {0, 2, 10}, 0, 60},
      {{"/Compact", "7", "/WAIT", "1"}, Maintenance::Compact, false, {6}, 0, 1},
      {{"-compact", "all", "-wait", "1440"}, Maintenance::Compact, true, {}, 0, 1440},
  };
  for (const Case& c : cases) {
    const auto request = ParseUnattended(c.arguments);
    ASSERT_TRUE(request) << c.arguments[1];
    EXPECT_EQ(request->action, c.action);
    EXPECT_EQ(request->allSlots, c.allSlots);
    EXPECT_EQ(request->slots, c.slots);
    EXPECT_EQ(request->keep, c.keep);
    EXPECT_EQ(request->waitMinutes, c.wait);
  }
}

TEST(UnattendedRequest, RefusesAnythingElse) {
  const Arguments cases[] = {
      {},
      {"all"},
      {"/backup", "1", "/keep", "2", "/keep", "2"},
      {"/backup", "1,12"},
      {"/backup", "1,,2"},
      {"/backup", "all", "1"},
      {"/backup", "1", "/keep", "1000"},
      {"/compact", "1", "/wait", "1441"},
      {"/compact", "1", "/keep", "3"},
      {"/backup", "1", "/wait", "3"},
      {"/backup", "1", "/now"},
      {"/backup"},
      {"/compact", "/wait", "5"},
      {"/backup", "0"},
      {"/backup", "1", "/keep", "0"},
      {"/compact", "1", "/wait", "0"},
      {"/backup", "1", "/keep"},
      {"/backup", "1,"},
  };
  for (const Arguments& arguments : cases) {
    EXPECT_FALSE(ParseUnattended(arguments)) << ::testing::PrintToString(arguments);
  }
}

// One record: each name padded to its 32 bytes.
std::string Record(std::string computer, std::string user, char pad = '\0') {
  computer.resize(32, pad);
  user.resize(32, pad);
  return computer + user;
}

TEST(LockFile, SitsBesideTheDatabaseAndNamesEachHolderOnce) {
  for (auto [database, lock] : {std::pair{"C:\\Apps\\Billing.MDE", "C:\\Apps\\Billing.ldb"},
                                {"C:\\My.Apps\\Old.Billing.AccDe", "C:\\My.Apps\\Old.Billing.laccdb"},
                                {"C:\\Apps\\Billing.accdb", "C:\\Apps\\Billing.laccdb"},
                                {"C:\\Apps.mdb\\Billing", ""},
                                {"C:\\Apps\\Billing.mdbx", ""}}) {
    EXPECT_EQ(LockFilePathFor(database), lock) << database;
  }
  const std::string full(32, 'C');
  const std::pair<std::string, std::vector<LockHolder>> cases[] = {
      {Record("PC1", "ann", ' '), {{"PC1", "ann"}}},
      {Record(std::string("PC1\0old", 7), std::string("ann\0 x", 6), ' '), {{"PC1", "ann"}}},
      {Record(full, full), {{full, full}}},
      {Record("PC1", "ann") + Record("PC2", "") + Record("PC1", "ann", ' '), {{"PC1", "ann"}, {"PC2", ""}}},
      {Record("", "ann") + Record(" ", "bob", ' ') + Record("PC1", "eve"), {{"PC1", "eve"}}},
      {Record("PC1", "ann") + Record("PC2", "bob").substr(0, 63), {{"PC1", "ann"}}},
  };
  for (const auto& [bytes, holders] : cases) {
    EXPECT_EQ(ReadLockHolders(bytes), holders) << bytes;
  }
  std::string eleven;  // eleven holders, of whom the message names the first ten
  for (int i = 0; i < 11; ++i) {
    eleven += Record("PC" + std::to_string(i), "u");
  }
  EXPECT_EQ(ReadLockHolders(eleven).size(), 10u);
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return std::toupper(x) == std::toupper(y); });
}

TEST(KeepCopies, ReadsOnlyRealDatesWrittenAsBackupNamesWriteThem) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"aRC1272611.MDE", "11.mde", "2026-1-27 2026-12-7 "},
      {"Arc1159X", "X", "2059-1-1 2009-1-15 2009-11-5 "},
      {"Arc2292024.mde", "2024.mde", "2009-2-2 "},
      {"Arc22924X", "X", "2024-2-29 "},
      {"Arc1010X", "X", "2000-10-1 "},
      {"Arc4310X", "X", "2010-4-3 "},
      // No year of three digits, "09" or 29 February 2025; no month 0; only digits between "Arc" and the name.
      {"Arc127261X", "X", ""},
      {"Arc22925X", "X", ""},
      {"Arc1509X", "X", ""},
      {"Arc0226X", "X", ""},
      {"Arc12x26X", "X", ""},
      {"Arc1226YX", "X", ""},
      {"Arc73226X", "X", ""},
      {"Arc103226X", "X", ""}};
  for (const auto& [name, app, days] : cases) {
    std::string read;
    for (const Date& date : BackupDates(name, app, SameIgnoringCase)) {
      read += std::to_string(date.year) + "-" + std::to_string(date.month) + "-" + std::to_string(date.day) + " ";
    }
    EXPECT_EQ(read, days) << name;
  }
}

// Copies of "1X", made on a day: in the name where it can mean only that day, otherwise by their time of making.
// Which names another slot may share is proven through the unattended run.
TEST(KeepCopies, RanksByTheDateInTheNameOrElseByTheTimeOfMaking) {
  const auto made = [](int month, int day) { return Date{2026, month, day, 2, 0, 0}; };
  struct Case {
    std::vector<BackupCopy> folder;
    int keep;
    std::vector<std::string> doomed;
  } const cases[] = {
      // 10 November by its name, though made last; 5 and 6 December only by their making.
      {{{"Arc1110261X", made(12, 7)}, {"Arc125261X", made(12, 5)}, {"Arc126261X", made(12, 6)}}, 3, {"Arc1110261X"}},
      {{{"Arc1110261X", made(1, 1)}, {"Arc1130261X", made(1, 1)}, {"Arc127261X", made(1, 1)}}, 2, {"Arc1110261X"}},
      {{{"Arc125261X", made(12, 5)}, {"Arc126261X", made(12, 6)}}, 1, {"Arc126261X", "Arc125261X"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CopiesToDelete(c.folder, {"1X", {}, "Arc127261X", c.keep}, SameIgnoringCase), c.doomed) << c.keep;
  }
}

}  // namespace
}  // namespace corvane
