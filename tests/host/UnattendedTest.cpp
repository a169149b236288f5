// Unattended runs: the command line, which files are backups, and what a scheduled backup or compaction does to
// the files, its log and its exit code.
#include <algorithm>
#include <cctype>
#include <iterator>
#include <sstream>

#include "HostTest.h"
#include "support/KeepCopies.h"
#include "unattended/RunUnattended.h"
#include "unattended/UnattendedRequest.h"

namespace corvane::testing {
namespace {

using Arguments = std::vector<std::string>;

TEST(UnattendedRequest, AcceptsBothFormsInTheirSpellingsAndRefusesAnythingElse) {
  const auto fields = [](const auto& r) {
    return std::tie(r.action, r.allSlots, r.slots, r.keep, r.waitMinutes, r.copy);
  };
  const std::pair<Arguments, UnattendedRequest> accepted[] = {
      {{"-BACKUP", "ALL", "-Keep", "14"}, {Maintenance::Backup, true, {}, 14, 60, ""}},
      {{"/backup", "2,1", "/keep", "999"}, {Maintenance::Backup, false, {0, 1}, 999, 60, ""}},
      {{"/backup", "3,", "1", "11", "3"}, {Maintenance::Backup, false, {0, 2, 10}, 0, 60, ""}},
      {{"/Compact", "7", "/WAIT", "1"}, {Maintenance::Compact, false, {6}, 0, 1, ""}},
      {{"-compact", "all", "-wait", "1440"}, {Maintenance::Compact, true, {}, 0, 1440, ""}},
      {{"/RESTORE", "11", "Arc1 2.mde"}, {Maintenance::Restore, false, {10}, 0, 60, "Arc1 2.mde"}},
  };
  for (const auto& [arguments, expected] : accepted) {
    const auto request = ParseUnattended(arguments);
    ASSERT_TRUE(request) << arguments[1];
    EXPECT_EQ(fields(*request), fields(expected)) << arguments[1];
  }
  for (const char* line : {"",
                           "all",
                           "/backup 1 /keep 2 /keep 2",
                           "/backup 1,12",
                           "/backup 1,,2",
                           "/backup all 1",
                           "/backup 1 /keep 1000",
                           "/compact 1 /wait 1441",
                           "/compact 1 /keep 3",
                           "/backup 1 /wait 3",
                           "/backup 1 /now",
                           "/backup",
                           "/compact /wait 5",
                           "/backup 0",
                           "/backup 1 /keep 0",
                           "/compact 1 /wait 0",
                           "/backup 1 /keep",
                           "/backup 1,",
                           "/restore 3",
                           "/restore 1,2 x",
                           "/restore all x",
                           "/restore 3 ..\\x.mde",
                           "/restore 3 C:x",
                           "/restore 3 a/b",
                           "/restore 3 .."}) {
    std::istringstream words(line);
    const Arguments arguments{std::istream_iterator<std::string>(words), {}};
    EXPECT_FALSE(ParseUnattended(arguments)) << line;
  }
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return std::toupper(x) == std::toupper(y); });
}

TEST(KeepCopies, ReadsOnlyRealDatesWrittenAsBackupNamesWriteThemAndRanksCopiesByThem) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"aRC1272611.MDE", "11.mde", "2026-1-27 2026-12-7 "},
      {"Arc1159X", "X", "2059-1-1 2009-1-15 2009-11-5 "},
      {"Arc2292024.mde", "2024.mde", "2009-2-2 "},
      {"Arc22924X", "X", "2024-2-29 "},
      {"Arc1010X", "X", "2000-10-1 "},
      {"Arc4310X", "X", "2010-4-3 "},
      {"Arc2290X", "X", "2090-2-2 2000-2-29 "}};  // 2000 is a leap year, as every fourth century is
  for (const auto& [name, app, days] : cases) {
    std::string read;
    for (const Date& date : BackupDates(name, app, SameIgnoringCase)) {
      read += std::to_string(date.year) + "-" + std::to_string(date.month) + "-" + std::to_string(date.day) + " ";
    }
    EXPECT_EQ(read, days) << name;
  }
  // No year of three digits, "09" or 29 February 2025; no month 0, 32 July or 31 September; only digits between "Arc"
  // and the name, and no other prefix.
  for (const char* name : {"Arc127261X", "Arc22925X", "Arc1509X", "Arc0226X", "Arc12x26X", "Arc1226YX", "Arc73226X",
                           "Arc103226X", "Arc93126X", "Arx12526X"}) {
    EXPECT_TRUE(BackupDates(name, "X", SameIgnoringCase).empty()) << name;
  }
  // Copies of "1X", ranked by the date in the name where it can mean only that day, otherwise by their time of
  // making. A read-only copy, or one dated after tomorrow whichever way its name is read, neither counts nor goes.
  // Which names another slot may share is proven through the unattended run.
  const auto made = [](int month, int day) { return Date{2026, month, day, 2, 0, 0}; };
  const Date december{2026, 12, 7}, june{2026, 6, 15};
  using Row = std::tuple<std::vector<BackupCopy>, int, Date, std::vector<std::string>, std::string>;
  // clang-format off
  const Row ranked[] = {
      // 10 November by its name, though made last; 5 and 6 December only by their making.
      {{{"Arc1110261X", made(12, 7)}, {"Arc125261X", made(12, 5)}, {"Arc126261X", made(12, 6)}}, 3, december,
       {"Arc1110261X"}, ""},
      {{{"Arc1110261X", made(1, 1)}, {"Arc1130261X", made(1, 1)}, {"Arc127261X", made(1, 1)}}, 2, december,
       {"Arc1110261X"}, ""},
      {{{"Arc125261X", made(12, 5)}, {"Arc126261X", made(12, 6)}}, 1, december, {"Arc126261X", "Arc125261X"}, ""},
      {{{"Arc126261X", made(12, 6), true}, {"Arc124261X", made(12, 4)}}, 1, december, {"Arc124261X"},
       "Arc126261X read-only "},
      // 10 December is after tomorrow in June; "Arc11726" is 17 January or 7 November, so not wholly ahead.
      {{{"Arc1210261X", made(1, 1)}, {"Arc117261X", made(1, 1)}, {"Arc616261X", made(1, 1)}}, 2, june,
       {"Arc117261X"}, "Arc1210261X dated in the future "},
      // 3 February is after tomorrow on 31 January.
      {{{"Arc23261X", made(1, 1)}}, 1, Date{2026, 1, 31}, {}, "Arc23261X dated in the future "},
  };
  // clang-format on
  for (const auto& [folder, keep, today, doomed, setAside] : ranked) {
    const KeepPlan plan = CopiesToDelete(folder, {"1X", {}, "Arc127261X", keep, today}, SameIgnoringCase);
    EXPECT_EQ(plan.doomed, doomed) << keep;
    std::string aside;
    for (const auto& [name, why] : plan.setAside) {
      aside += name + " " + why + " ";
    }
    EXPECT_EQ(aside, setAside);
  }
}

class UnattendedTest : public HostTest {
 protected:
  UnattendedTest() {
    platform.AddFile("C:\\CorvaneAppNames.txt", SlotLine("db", {"m1", "m2", "Office"}));
    platform.AddFile("C:\\CorvanePaths.txt", SlotLine("C:\\Data\\", {"C:\\Help", "http://help"}));
    platform.AddFolder("C:\\Data\\ArcBackup");
    platform.AddFile("C:\\Data\\1\\db1", "one");
    platform.AddFile("C:\\Data\\3\\db3", "three");
    platform.AddFile(kAccess);
    // A scheduled run works on the masters: the local copies' file, even a damaged one, is none of its concern.
    platform.AddFile(std::string(kLocalCopiesFile), "\"Yes\"\r\n");
  }
  // A windowless run gets no desktop: no message box or window is its compiler's to allow.
  int Run(const Arguments& arguments) { return RunUnattended(platform, arguments); }
  std::string Log(int slot) {
    return platform.Content("C:\\Data\\" + std::to_string(slot) + "\\ArcBackup\\Corvane.log");
  }
};

TEST_F(UnattendedTest, BackupKeepsTheCopiesMadeLastLeavesWhatMayBeAnotherSlotsAndGoesOnPastAFailedSlot) {
  // Slot 11, "5db1", backs up into the same folder: Arc12265db1 may be one of its copies, or one of db1's.
  std::string names = platform.Content("C:\\CorvaneAppNames.txt"), paths = platform.Content("C:\\CorvanePaths.txt");
  // Slot 2, "26db1", is in a folder of its own: Arc12126db1 is one of db1's copies alone.
  names.replace(names.find("db2"), 3, "26db1");
  platform.AddFile("C:\\CorvaneAppNames.txt", names.replace(names.find("db11"), 4, "5db1"));
  platform.AddFile("C:\\CorvanePaths.txt", paths.replace(paths.find("C:\\Data\\11"), 10, "c:\\data\\1\\"));
  const std::string folder = "C:\\Data\\1\\ArcBackup\\", copy3 = "C:\\Data\\3\\ArcBackup\\Arc12526db3";
  for (auto [name, month] :
       {std::pair{"Arc113026db1", 1}, {"Arc12426db1", 12}, {"Arc12265db1", 1}, {"Arc12126db1", 2}}) {
    platform.AddFile(folder + name, "old").created = {2026, month, 1};
  }
  ASSERT_EQ(Run({"/BACKUP", "all", "-keep", "2"}), 0);  // the copy of 4 December stays
  EXPECT_EQ(platform.Content(copy3), "three");
  EXPECT_EQ(platform.FileAt(folder + "Arc12526db1").created.month, 12);  // made now, not when the database was
  EXPECT_TRUE(platform.HasFile(folder + "Arc12426db1") && platform.HasFile(folder + "Arc12265db1"));
  EXPECT_EQ(Log(1), "2026-12-05 02:00:00\tbackup\tC:\\Data\\1\\db1\tok\t" + folder + "Arc12526db1\t3\r\n" +
                        "2026-12-05 02:00:00\tdelete\t" + folder + "Arc113026db1\tok\r\n" +
                        "2026-12-05 02:00:00\tdelete\t" + folder + "Arc12126db1\tok\r\n");
  // A database that has gone is told on the console alone, and fails nothing.
  EXPECT_EQ(platform.console[0],
            "2026-12-05 02:00:00\tbackup\tC:\\Data\\2\\26db1\tskipped: no database at C:\\Data\\2\\26db1\r\n");
  EXPECT_EQ(platform.console.size(), 13u);
  EXPECT_FALSE(platform.HasFile("C:\\Data\\2\\ArcBackup\\Corvane.log"));  // no database, not touched
  // Named slots, one of which fails: the exit code is 1 and the others go on.
  platform.AddFile(copy3, "this morning's").readOnly = true;
  platform.AddFolder("C:\\Data\\4");  // a folder without its database
  platform.AddFolder("C:\\Data\\5");
  platform.AddFile("C:\\CorvaneAppNames.txt", names.replace(names.find("db5"), 3, ""));  // a slot without a file name
  ASSERT_EQ(Run({"/backup", "3,", "4", "1", "5"}), 1);
  EXPECT_EQ(platform.Content(copy3), "three");  // replaced without asking
  EXPECT_EQ(Log(4), "2026-12-05 02:00:00\tbackup\tC:\\Data\\4\\db4\tfailed: Cannot find db4 database.\r\n");
  EXPECT_EQ(Log(5),
            "2026-12-05 02:00:00\tbackup\tC:\\Data\\5\tfailed: Application 5 has no database file name. Set it "
            "in Support, Edit App Paths.\r\n");
}

// A command line that is not accepted does nothing but say how. With no folder there is no log: the console alone
// tells, and no path is made from the current drive.
TEST_F(UnattendedTest, ABadCommandLineSettingsProblemsAndSlotsWithoutADatabaseAreToldOnTheConsole) {
  const std::size_t files = platform.FilePaths().size();
  EXPECT_EQ(Run({"/backup", "12"}), 2);
  EXPECT_TRUE(platform.console.size() == 1 && platform.console[0].starts_with("Usage: Corvane.exe /backup SLOTS"));
  platform.console.clear();
  platform.AddFile("C:\\CorvanePaths.txt", "\"C:\\Data\\1\"\r\n");
  ASSERT_EQ(Run({"/backup", "2"}), 1);
  const std::string problem =
      "2026-12-05 02:00:00\tbackup\tC:\\CorvanePaths.txt\tfailed: Input past end of file: C:\\CorvanePaths.txt "
      "holds 1 of its 13 fields.\r\n";
  EXPECT_EQ(platform.console,
            (std::vector<std::string>{problem, "2026-12-05 02:00:00\tbackup\tdb2\tfailed: slot 2 has no folder\r\n"}));
  EXPECT_EQ(platform.FilePaths().size(), files);
  ASSERT_EQ(Run({"/restore", "2", "Arc12526db2"}), 1);
  EXPECT_EQ(platform.console.back(), "2026-12-05 02:00:00\trestore\tdb2\tfailed: slot 2 has no folder\r\n");
  ASSERT_EQ(Run({"/backup", "1"}), 1);  // slot 1 has its folder: the backup is made, and its log has the problem
  EXPECT_TRUE(Log(1).starts_with(problem) && platform.HasFile("C:\\Data\\1\\ArcBackup\\Arc12526db1"));
  platform.console.clear();
  platform.FailOn("ReadBytes", "C:\\CorvaneAppNames.txt", "The file is in use.");
  ASSERT_EQ(Run({"/compact", "all"}), 1);
  EXPECT_EQ(platform.console.front(),
            "2026-12-05 02:00:00\tcompact\tC:\\CorvaneAppNames.txt\tfailed: "
            "C:\\CorvaneAppNames.txt: The file is in use.\r\n");
  EXPECT_EQ(platform.console.back(), "2026-12-05 02:00:00\tcompact\t\tfailed: no slot has a database\r\n");
  EXPECT_EQ(platform.console.size(), 3u);
}

TEST_F(UnattendedTest, CompactionSkipsADatabaseInUseAndStopsWhenAccessOverruns) {
  platform.heldOpen = {"C:\\Data\\1\\db1"};
  ASSERT_EQ(Run({"/compact", "1", "3", "/wait", "5"}), 1);
  EXPECT_EQ(Log(1), "2026-12-05 02:00:00\tcompact\tC:\\Data\\1\\db1\tskipped: in use in another program\r\n");
  EXPECT_EQ(Log(3), "2026-12-05 02:00:00\tcompact\tC:\\Data\\3\\db3\tok\t5\t5\r\n");
  ASSERT_TRUE(platform.starts.size() == 1 && platform.starts[0].limitMinutes == 5);
  EXPECT_EQ(platform.starts[0].commandLine, "\"" + std::string(kAccess) + "\" \"C:\\Data\\3\\db3\" /compact");
  platform.heldOpen.clear();
  platform.accessOverruns = true;
  ASSERT_EQ(Run({"/compact", "all"}), 1);
  EXPECT_EQ(platform.starts.size(), 2u);  // slot 3 is not started beside the Access still at work on slot 1
  EXPECT_TRUE(
      Log(1).ends_with("\tcompact\tC:\\Data\\1\\db1\tfailed: Access has not ended after 60 minutes. The copy "
                       "taken before compaction is C:\\Data\\1\\ArcBackup\\PreCompact_db1\r\n"));
  EXPECT_TRUE(Log(3).ends_with("\tC:\\Data\\3\\db3\tskipped: Access is still compacting C:\\Data\\1\\db1\r\n"));
  // Its marker stays, released, for whoever comes once Access has ended; that check alone fails no run.
  EXPECT_TRUE(platform.HasFile("C:\\Data\\1\\ArcBackup\\Compacting_db1") && platform.holding.empty());
  ASSERT_EQ(Run({"/backup", "1"}), 0);
  EXPECT_NE(Log(1).find("\tcheck\tC:\\Data\\1\\db1\tok: unfinished compaction by another user passed its check\r\n"),
            std::string::npos);
  platform.AddFolder("C:\\Data\\4");
  ASSERT_EQ(Run({"/compact", "4"}), 1);
  EXPECT_TRUE(Log(4).ends_with("\tcompact\tC:\\Data\\4\\db4\tfailed: Cannot find db4 database.\r\n"));
  platform.DeleteFile(kAccess);
  ASSERT_EQ(Run({"-Compact", "1"}), 1);
  EXPECT_TRUE(Log(1).ends_with("\tcompact\tC:\\Data\\1\\db1\tfailed: Can not find MSAccess.exe\r\n"));
}

// A run that did not wholly succeed leaves one event: an error where anything failed or the command line was refused,
// a warning where slots were only skipped. A run that succeeded leaves none, and an event refused changes nothing.
TEST_F(UnattendedTest, ARunThatDidNotWhollySucceedLeavesAnEventForTheAdministrator) {
  ASSERT_EQ(Run({"/backup", "1"}), 0);
  platform.heldOpen = {"C:\\Data\\3\\db3"};
  ASSERT_EQ(Run({"/compact", "3"}), 1);
  ASSERT_EQ(Run({"/backup", "2"}), 1);
  ASSERT_EQ(Run({"/backup"}), 2);
  platform.FailOn("ReportEvent", "");
  ASSERT_EQ(Run({"/backup", "2"}), 1);
  const std::string at = "2026-12-05 02:00:00\t";
  EXPECT_EQ(platform.events,
            (std::vector<std::pair<EventKind, std::string>>{
                {EventKind::Warning, at + "compact\tC:\\Data\\3\\db3\tskipped: in use in another program\r\n"},
                {EventKind::Error, at + "backup\tC:\\Data\\2\\db2\tfailed: Cannot find db2 database.\r\n"},
                {EventKind::Error, std::string(kUsage) + "\r\n"}}));
  platform.FailOn("RegisterEventSource", "", "Access is denied.");
  EXPECT_EQ(Run({"-REGISTER"}), 1);
  EXPECT_EQ(platform.console.back(), "Access is denied.\r\n");
  EXPECT_EQ(Run({"/register"}), 0);
}

// Slot 11, "5db1", may share slot 1's folder: Arc12265db1 could then be a copy of either, and stays. A read-only
// copy, or a new copy that may be worth less than those before it, pushes nothing out.
TEST_F(UnattendedTest, KeepDeletesOnlyCopiesThatAreProvablyTheSlotsOwnAndNeverForAQuestionableNewOne) {
  std::string names = platform.Content("C:\\CorvaneAppNames.txt");
  const std::string paths = platform.Content("C:\\CorvanePaths.txt"), folder = "C:\\Data\\1\\ArcBackup\\";
  platform.AddFile("C:\\CorvaneAppNames.txt", names.replace(names.find("db11"), 4, "5db1"));
  platform.substitutes["t:"] = "c:\\data";
  // The last where Windows cannot say which folder a path is: the full paths decide.
  for (auto [spelling, shared, identified] : {std::tuple{"C:/Data/1", true, true},
                                              {"C:\\Data\\.\\1\\", true, true},
                                              {"T:\\1", true, true},
                                              {"C:\\Data\\3", false, true},
                                              {"c:\\data\\1\\", true, false}}) {
    platform.foldersIdentified = identified;
    std::string slots = paths;
    platform.AddFile("C:\\CorvanePaths.txt", slots.replace(slots.find("C:\\Data\\11"), 10, spelling));
    platform.AddFile(folder + "Arc12265db1", "old").created = {2026, 1, 1};
    ASSERT_EQ(Run({"/backup", "1", "/keep", "1"}), 0);
    EXPECT_EQ(platform.HasFile(folder + "Arc12265db1"), shared) << spelling;
  }
  const std::string jet = std::string(4, '\0') + "Standard Jet DB" + std::string(2029, 'j'),
                    at = "2026-12-05 02:00:00\t";
  platform.AddFile(folder + "Arc12326db1", jet);
  platform.AddFile(folder + "Arc12426db1", jet).readOnly = true;
  ASSERT_EQ(Run({"/backup", "1", "/keep", "1"}), 1);  // "one" is no Access database, as the copy before it was
  platform.AddFile("C:\\Data\\1\\db1", jet);
  platform.heldOpen = {"C:\\Data\\1\\db1"};
  ASSERT_EQ(Run({"/backup", "1", "/keep", "1"}), 1);
  const std::string aside = at + "keep\t" + folder + "Arc12426db1\tkept: read-only\r\n", copy = folder + "Arc12526db1";
  EXPECT_TRUE(Log(1).ends_with(
      at + "backup\tC:\\Data\\1\\db1\tok\t" + copy + "\t3\r\n" + aside + at + "keep\t" + copy +
      "\tkept all: the new copy is not an Access database\r\n" + at +
      "backup\tC:\\Data\\1\\db1\tok: in use in another program, the copy may not be consistent\t" + copy +
      "\t2048\r\n" + aside + at + "keep\t" + copy + "\tkept all: the new copy may not be consistent\r\n"));
  EXPECT_TRUE(platform.HasFile(folder + "Arc12326db1") && platform.FileAt(folder + "Arc12426db1").readOnly);
}

}  // namespace
}  // namespace corvane::testing
