// Backup and compaction of a slot: questions, messages, Access's command line, who holds a database, failures that
// must never cost a backup or the database, and the launcher and backups that keep away from a compaction.
#include "HostTest.h"
#include "launcher/Launch.h"
#include "launcher/LockFile.h"
#include "support/Backup.h"
#include "support/Compact.h"
#include "support/SafeCompaction.h"
#include "unattended/RunUnattended.h"

namespace corvane::testing {
namespace {

using namespace Shortcuts11;

const std::string kDb = "C:\\Apps\\App1.mde", kLock = "C:\\Apps\\App1.ldb", kArc = "C:\\Apps\\ArcBackup\\";
const std::string kCopy = kArc + "PreCompact_App1.mde", kMarker = kArc + "Compacting_App1.mde";
const std::string kFailed = kArc + "FailedCompact_App1.mde", kBackup = kArc + "Arc12526App1.mde";
const std::string kJet = std::string(4, '\0') + "Standard Jet DB" + std::string(4077, 'j');

// Thousands of bytes in the general format; the room a compaction needs, twice the database, in megabytes needed
// rounded up and free rounded down.
TEST(Sizes, KiloBytesAndTheRoomACompactionNeeds) {
  using Text = std::tuple<std::uint64_t, const char*, const char*>;
  for (auto [bytes, separator, text] :
       {Text{1000000, ".", "1000"}, {1, ".", "0.001"}, {5368709121ULL, ".", "5368709.121"}, {1500, ",", "1,5"}}) {
    EXPECT_EQ(KiloBytesText(bytes, separator), text);
  }
  using Row = std::tuple<std::uint64_t, std::uint64_t, bool, std::uint64_t, std::uint64_t>;
  for (auto [bytes, free, enough, needed, left] :
       {Row{1500, 3000, true, 1, 0}, {1500, 2999, false, 1, 0}, {500'001, 1'000'001, false, 2, 1}}) {
    const Room room = RoomFor({"C:", free}, bytes);
    EXPECT_TRUE(room.Enough() == enough && room.NeededMegabytes() == needed && room.FreeMegabytes() == left) << free;
  }
}

// One 64-byte lock-file record: each name padded to its 32 bytes.
std::string Record(std::string computer, std::string user, char pad = '\0') {
  return computer.append(32 - computer.size(), pad) + user.append(32 - user.size(), pad);
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

// A folder that is no full path would have Windows look in the current folder or at the root of the current drive,
// where C:\App1.mde is; a slot that names a database but lacks it, or Access, says so too.
TEST(SelectApp, ASlotWithoutAFullFolderOrAFileNameHasNoDatabase) {
  const std::string gone = "Cannot find App1.mde database.", app = "App1.mde";
  const std::string noFile = "C:\\MSAccess.exe: The system cannot find the file specified.",
                    noName = "Application 1 has no database file name. Set it in Support, Edit App Paths.";
  const std::tuple<const char*, std::string, bool, std::string> cases[] = {{"Z:\\My Apps", app, true, gone},
                                                                           {"C:", app, true, noFile},
                                                                           {"c:/My Apps", app, true, gone},
                                                                           {"\\\\server\\apps", app, true, gone},
                                                                           {"", app, false, gone},
                                                                           {"\\My Apps", app, false, gone},
                                                                           {"My Apps", app, false, gone},
                                                                           {"C:My Apps", app, false, gone},
                                                                           {"\\\\\\x", app, false, gone},
                                                                           {"1:\\x", app, false, gone},
                                                                           {"C:\\My Apps", "", false, noName}};
  for (const auto& [folder, name, full, says] : cases) {
    Shortcuts11::State slot;
    slot.AccessPath = "C:\\MSAccess.exe";
    slot.LauncherSettings.Apps[0] = {name, folder, ""};
    EXPECT_EQ(SelectApp(slot.LauncherSettings, 0).HasDatabase(), full) << folder << name;
    FakeDesktop machine;
    machine.AddFile("C:\\App1.mde");
    RunGuarded(machine, [&] { OpenApp(machine, slot, 0); });
    EXPECT_TRUE(machine.starts.empty());
    if (full) {
      EXPECT_EQ(machine.messages.at(0).text, says) << folder;
      continue;
    }
    RunGuarded(machine, [&] { BackupApp(machine, slot, 0); });
    RunGuarded(machine, [&] { CompactApp(machine, slot, 0); });
    EXPECT_EQ(machine.messages.size(), 3u) << folder;
    for (const auto& message : machine.messages) {
      EXPECT_EQ(message.text, says) << folder;
    }
    EXPECT_TRUE(machine.probes.empty() && machine.FilePaths().size() == 1) << folder;
  }
}

class MaintenanceTest : public HostTest {
 protected:
  MaintenanceTest() {
    // Slot 1 is App1.mde in C:\Apps, for the unattended runs too; slot 3's App3.mde is missing there.
    platform.AddFile("C:\\CorvaneAppNames.txt", SlotLine("App", {"", "", ""}).replace(1, 4, "App1.mde"));
    platform.AddFile("C:\\CorvanePaths.txt", SlotLine("C:\\Unused", {"", ""}).replace(1, 10, "C:\\Apps"));
    state.LauncherSettings.Apps[0] = {"App1.mde", "C:\\Apps", ""};
    state.LauncherSettings.Apps[2] = {"App3.mde", "C:\\Apps", ""};
    platform.AddFile(kDb, kJet);
    platform.AddFile(kAccess);
    state.AccessPath = kAccess;
    platform.environment = {{"COMPUTERNAME", "PC1"}, {"USERNAME", "ann"}};
  }
  void Run(void (*routine)(Desktop&, State&, int), Answer answer = Answer::Ok, int slot = 0) {
    platform.Answer(answer);
    RunGuarded(platform, [&] { routine(platform, state, slot); });
  }
  // Every outcome logged here fails or skips the run's slot, so the run ends with 1.
  std::string Logged(const std::string& action) {
    EXPECT_EQ(RunUnattended(platform, std::vector<std::string>{action, "1"}), 1);
    const std::string& line = platform.console.back();
    EXPECT_NE(line.find("\t" + action.substr(1) + "\t"), std::string::npos) << line;
    return line.substr(line.find("App1.mde\t") + 9);
  }
};

// A database in use is backed up only on Yes; unattended, the copy is made and said to be maybe not consistent.
TEST_F(MaintenanceTest, ADatabaseInUseIsBackedUpOnlyOnYes) {
  platform.heldOpen = {kDb};
  Run(&BackupApp, Answer::No);
  EXPECT_EQ(MessageTexts().back(),
            "App1.mde is open in another program. A copy taken now may not be consistent. Back it up anyway?");
  EXPECT_TRUE(platform.messages.back().buttons == Buttons::YesNo && !platform.HasFile(kBackup));
  Run(&BackupApp, Answer::Yes);
  EXPECT_EQ(platform.Content(kBackup), kJet);
  EXPECT_TRUE(Logged("/backup").starts_with("ok: in use in another program, the copy may not be consistent\t"));
  // A database gone between the click and the copy leaves the copy of the day as it was.
  platform.heldOpen.clear();
  platform.AddFile(kBackup, "old data").readOnly = true;
  platform.DeleteFile(kDb);
  Run(&BackupApp, Answer::Yes);
  EXPECT_TRUE(platform.Content(kBackup) == "old data" && !platform.HasFile(kBackup + ".partial"));
}

TEST_F(MaintenanceTest, ADatabaseStillInUseIsNeverHandedToAccess) {
  // What another process holds open, the lock file (none where empty), and the warning (none: compaction goes ahead).
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {kDb, Record("PC1", "bob") + Record("PC2", "") + Record("PC1", "bob", ' '),
       "App1.mde is still open on PC1 (bob), PC2. Compaction was not started."},
      {kLock, Record("CAF\xC9", "ann"), "App1.mde is still open on CAF\xC3\x89 (ann). Compaction was not started."},
      {kDb, "", "App1.mde is still open in another program. Compaction was not started."},
      {"", Record("PC9", "stale"), ""},  // a lock file no one holds is left behind by a crash: no obstacle
  };
  for (const auto& [held, lock, warning] : cases) {
    platform.messages.clear();
    platform.heldOpen = {held};
    lock.empty() ? platform.DeleteFile(kLock) : void(platform.AddFile(kLock, lock));
    Run(&CompactApp);
    EXPECT_EQ(platform.starts.size(), warning.empty() ? 1u : 0u) << warning;
    if (!warning.empty()) {
      ASSERT_EQ(platform.messages.size(), 2u);
      EXPECT_EQ(platform.messages[1].text, warning);
      EXPECT_TRUE(platform.messages[1].title == "WARNING" && platform.messages[1].buttons == Buttons::Ok);
    }
    EXPECT_EQ(platform.HasFile(kLock), !lock.empty());
  }
}

// A compaction that cannot run, or whose Access fails, never reports the size after.
TEST_F(MaintenanceTest, CompactionStopsAtCancelAMissingFileOrAccessAndReadsHowAccessEnded) {
  Run(&CompactApp, Answer::Cancel);
  Run(&CompactApp, Answer::Ok, 2);
  EXPECT_EQ(MessageTexts().back(), "Cannot find App3.mde database to compact");
  EXPECT_TRUE(platform.messages.size() == 2 && platform.starts.empty());
  platform.exitCode = 3;
  Run(&CompactApp);
  EXPECT_EQ(MessageTexts().back(), "Compaction of App1.mde failed: Access ended with code 3.");
  EXPECT_TRUE(platform.messages.back().title == "WARNING" && platform.starts.size() == 1);
  platform.FailOn("StartProgram", kAccess, "Access is denied.");
  Run(&CompactApp);
  EXPECT_EQ(MessageTexts().back(), std::string(kAccess) + ": Access is denied.");
  EXPECT_FALSE(platform.HasFile(kMarker));
  platform.exitCode = 0;
  platform.FailOn("FileSize", kDb, "The process cannot access the file.", 2);
  Run(&CompactApp);
  EXPECT_EQ(MessageTexts()[9], kDb + ": The process cannot access the file.");
  EXPECT_EQ(platform.starts.size(), 2u);  // the slot goes on past its failed size
  // Without Access a click says so once, whatever is ticked, and makes nothing.
  FakeWindow& support = (Start(), OpenSupport());
  state.AccessPath.clear();
  const std::size_t files = platform.FilePaths().size(), shown = platform.messages.size();
  support.SetChecked("Check1", true);
  support.SetChecked("Check2", true);
  support.Fire("CmdCompact", Event::Click);
  EXPECT_EQ(MessageTexts().at(shown), "Cannot find MSAccess. Close, then reopen Main Menu and try again.");
  EXPECT_TRUE(platform.messages.size() == shown + 1 && platform.FilePaths().size() == files);
  Run(&CompactApp);  // the routine on its own says the same
  EXPECT_EQ(MessageTexts().back(), MessageTexts().at(shown));
}

TEST_F(MaintenanceTest, RoomAndACopyComeFirstAndTheMarkerIsHeldOnlyWhileAccessWorks) {
  platform.volume = {"\\\\server\\share", 8191};
  Run(&CompactApp);
  EXPECT_EQ(MessageTexts().back(),
            "There is not enough free space on \\\\server\\share to compact App1.mde safely: 1 MB "
            "are needed and 0 MB are free. Compaction was not started.");
  EXPECT_TRUE(platform.messages.back().title == "WARNING" && platform.messages.back().buttons == Buttons::Ok);
  EXPECT_EQ(Logged("/compact"), "skipped: not enough free space (1 MB needed, 0 MB free)\r\n");
  platform.volume.freeBytes = 8192;
  platform.AddFile(kMarker, "PC9\tzoe\t2026-01-01 10:00");  // left by a power cut: no process holds it
  platform.whileWaited = [&] {
    EXPECT_TRUE(platform.Content(kMarker) == "PC1\tann\t2026-12-05 02:00" && platform.holding.size() == 1);
    EXPECT_EQ(platform.Content(kCopy), kJet);
    platform.FileAt(kDb).content.resize(2048);
  };
  Run(&CompactApp);
  EXPECT_EQ(MessageTexts().back(), "App1.mde File Size After Compaction is 2.048 KB");
  EXPECT_TRUE(platform.Content(kCopy) == kJet && !platform.HasFile(kMarker) && !platform.HasFile(kCopy + ".partial"));
  platform.whileWaited = nullptr;
  platform.exitCode = 3;
  EXPECT_EQ(Logged("/compact"), "failed: Access ended with code 3\r\n");
}

TEST_F(MaintenanceTest, WhatAccessRuinsIsMovedAsideAndTheDatabasePutBack) {
  const std::string ace = std::string(kJet).replace(13, 3, "ACE"), notAccess = "no longer an Access database";
  const std::string restored = " afterwards. The database was restored from the copy taken before compaction.";
  // After "-": Access left nothing; reason "": the check passes. No safety copy is an Access file at first.
  const std::string cut = kJet.substr(0, 2047), acePage = ace.substr(0, 2048), aceCut = ace.substr(0, 2047);
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {"plain", "mangled", ""}, {kJet, "-", "missing"}, {kJet, "", "empty"},     {kJet, ace, notAccess},
      {kJet, cut, notAccess},   {ace, acePage, ""},     {ace, aceCut, notAccess}};
  for (const auto& [before, after, reason] : cases) {
    platform.AddFile(kDb, before);
    if (after != "-" && !reason.empty()) {
      platform.AddFile(kFailed, "an earlier ruin").readOnly = true;  // replaced all the same
    }
    platform.whileWaited = [&] { after == "-" ? platform.DeleteFile(kDb) : void(platform.AddFile(kDb, after)); };
    Run(&CompactApp);
    if (!reason.empty()) {
      EXPECT_EQ(MessageTexts().back(), "Compaction of App1.mde failed: the database was " + reason + restored);
    }
    EXPECT_EQ(platform.Content(kDb), reason.empty() ? after : before) << reason;
    const bool failedKept = platform.HasFile(kFailed);
    EXPECT_EQ(failedKept, after != "-" && !reason.empty()) << reason;
    EXPECT_EQ(platform.FilePaths().size(), 5u + failedKept) << reason;  // no marker, no scratch file
    if (failedKept) {
      EXPECT_EQ(platform.Content(kFailed), after);
      platform.DeleteFile(kFailed);
    }
  }
  platform.whileWaited = [&] { platform.AddFile(kDb, ""); };
  EXPECT_EQ(Logged("/compact"), "failed: the database was empty afterwards; restored from " + kCopy + "\r\n");
  // A database ruined since never replaces the copy taken before its last compaction.
  platform.AddFile(kDb, "plain");
  Run(&CompactApp);
  const std::string kept = "before its last compaction is kept at " + kCopy;
  EXPECT_EQ(MessageTexts().back(),
            "App1.mde is no longer an Access database, so it was not compacted. The copy taken " + kept + ".");
  EXPECT_EQ(Logged("/compact"),
            "failed: not an Access database; the copy taken before the last compaction is kept at " + kCopy + "\r\n");
  EXPECT_EQ(platform.Content(kCopy), ace);
}

// A marker another process holds, or one left beside a database Access still has open, keeps everyone away. One left
// when Corvane was ended while Access worked has whoever comes next check the database against the copy taken before.
TEST_F(MaintenanceTest, ACompactionNobodySawEndIsCheckedByWhoeverComesNextAndUndoneWhereItSpoiltTheDatabase) {
  const std::string bob = "PC2\tbob\t2026-12-05 01:30", by = "A compaction of App1.mde begun by bob on PC2 at 01:30";
  const std::string restored = ". The database was restored from the copy taken before compaction.";
  const std::string passed = " did not finish. The database passed its check.";
  const std::string busy = "App1.mde is being compacted by bob on PC2 since 01:30. Please try again in a few minutes.";
  struct Row {
    std::string after;  // the database as Access left it ("-": gone)
    bool safetyCopy;
    std::string marker, held, says;  // the file another process holds open; what the click says first, if anything
  };
  const Row rows[] = {
      {kJet, true, bob, "", by + passed},
      {kJet.substr(0, 2047), true, bob, "",
       by + " did not finish, and the database was no longer an Access database afterwards" + restored},
      {"-", true, bob, "", by + " did not finish, and the database was missing afterwards" + restored},
      {"ruined", false, bob, "", ""},  // nothing was copied, so Access never started
      {kJet, true, std::string("PC2\0bob\t\t", 9), "", "A compaction of App1.mde begun by another user" + passed},
      {kJet, true, "PC2\x01X\t" + std::string(70, 'b') + "\t2026-12-05 01:30", "",
       "A compaction of App1.mde begun by " + std::string(64, 'b') + " on PC2 X at 01:30" + passed},
      {kJet, true, bob, kDb, busy},
      {kJet, true, bob + "\trestore", "", ""},  // a restore left unfinished left nothing half done
      {kJet, true, bob + "\trestore", kMarker, "App1.mde is being restored" + busy.substr(27)},
      {kJet, true, bob, kMarker, busy},
  };
  for (const auto& [after, safetyCopy, marker, held, says] : rows) {
    platform.messages.clear();
    platform.starts.clear();
    platform.heldOpen = {held};
    after == "-" ? platform.DeleteFile(kDb) : void(platform.AddFile(kDb, after));
    safetyCopy ? void(platform.AddFile(kCopy, kJet)) : platform.DeleteFile(kCopy);
    platform.AddFile(kMarker, marker);
    Run(&OpenApp);
    EXPECT_EQ(MessageTexts(), says.empty() ? std::vector<std::string>{} : std::vector{says}) << after;
    EXPECT_EQ(platform.starts.size(), held.empty() ? 1u : 0u) << after;
    EXPECT_EQ(platform.HasFile(kMarker), !held.empty()) << after;
    EXPECT_EQ(platform.Content(kDb), safetyCopy ? kJet : after) << after;
  }
  for (auto routine : {&BackupApp, &CompactApp}) {  // compaction asks to close the database first
    Run(routine);
    EXPECT_EQ(MessageTexts().back(), busy);
  }
  EXPECT_TRUE(platform.messages.size() == 4 && platform.starts.empty() && !platform.HasFile(kBackup));
  EXPECT_TRUE(platform.messages[0].title == "Corvane" && platform.messages[3].title == "Corvane");
  EXPECT_EQ(Logged("/backup"), "skipped: being compacted by bob on PC2\r\n");
  EXPECT_EQ(Logged("/compact"), "failed: " + busy + "\r\n");
  platform.heldOpen.clear();
  // The other routines finish it too, and a scheduled run logs what it found; a restore goes on to the backup.
  platform.AddFile(kDb, "");
  platform.AddFile(kMarker, bob);
  EXPECT_EQ(RunUnattended(platform, std::vector<std::string>{"/backup", "1"}), 1);
  const std::string at = "2026-12-05 02:00:00\t", of = "unfinished compaction of 2026-12-05 01:30";
  const std::string emptied = " the database was empty afterwards", log = platform.Content(kArc + "Corvane.log");
  EXPECT_TRUE(log.ends_with(at + "check\t" + kDb + "\tfailed: " + of + ":" + emptied + "; restored from " + kCopy +
                            "\r\n" + at + "backup\t" + kDb + "\tok\t" + kBackup + "\t4096\r\n"));
  platform.AddFile(kMarker, bob);
  EXPECT_EQ(RunUnattended(platform, std::vector<std::string>{"/compact", "1"}), 0);
  EXPECT_EQ(platform.console.end()[-2], at + "check\t" + kDb + "\tok: " + of + " on PC2 passed its check\r\n");
  // Where the database cannot be put back, nothing else is done and the marker waits for the next comer.
  platform.AddFile(kDb, "");
  platform.AddFile(kMarker, bob);
  platform.FailOn("CopyFile", kDb + ".partial");
  Run(&BackupApp);
  const std::string unrestored = ". The database could not be restored: " + kDb + ": The device is not ready.";
  EXPECT_EQ(MessageTexts().back(), by + " did not finish, and" + emptied + unrestored +
                                       " The copy taken before compaction is kept at " + kCopy + ".");
  EXPECT_TRUE(platform.HasFile(kMarker) && platform.Content(kBackup) == kJet);
  platform.FailOn("CopyFile", kDb + ".partial");
  EXPECT_EQ(RunUnattended(platform, std::vector<std::string>{"/backup", "1"}), 1);
  EXPECT_TRUE(platform.console.back().starts_with(at + "check\t" + kDb + "\tfailed: " + by + " did not finish"));
}

// A backup folder that cannot be looked into holds no open back, but stops a copy. A folder in the marker's place stops
// only a compaction, before anything is copied.
TEST_F(MaintenanceTest, BackupFoldersAndMarkersAsWindowsLeavesThem) {
  platform.AddFolder(kMarker);
  Run(&BackupApp);
  EXPECT_EQ(MessageTexts().back(), "New Copy Is " + kBackup);
  Run(&CompactApp);
  EXPECT_EQ(MessageTexts().back(), kMarker +
                                       " is left from an earlier compaction and cannot be removed (Access is "
                                       "denied). Remove it, then compact again.");
  EXPECT_TRUE(platform.starts.empty() && !platform.HasFile(kCopy));
  for (int run = 0; run < 3; ++run) {
    platform.FailOn("Exists", kMarker, "Access is denied.");
  }
  Run(&OpenApp);
  EXPECT_EQ(platform.starts.size(), 1u);
  Run(&BackupApp);
  EXPECT_EQ(MessageTexts().back(),
            "Corvane cannot look into C:\\Apps\\ArcBackup (Access is denied), so it cannot tell "
            "whether App1.mde is being compacted. Nothing was done.");
  EXPECT_EQ(platform.messages.back().title, "WARNING");
  EXPECT_EQ(Logged("/backup"), "skipped: cannot look into C:\\Apps\\ArcBackup: Access is denied.\r\n");
}

// /restore puts a copy back: the database as it was is kept first, and put back where the copy or its check fails. A
// copy that is none of the slot's own is a command line the run does not accept.
TEST_F(MaintenanceTest, ARestorePutsACopyBackAndKeepsTheDatabaseAsItWas) {
  const std::string copy = kArc + "Arc12326App1.mde", before = kArc + "BeforeRestore_App1.mde", at = "\trestore\t";
  const auto restore = [&](const char* name) {
    return RunUnattended(platform, std::vector<std::string>{"/restore", "1", name});
  };
  platform.AddFile(copy, "copy of 3 December").readOnly = true;
  platform.AddFile(kArc + "Notes.txt");
  for (const char* refused : {"Notes.txt", "BeforeRestore_App1.mde", "Arc12426App1.mde"}) {
    EXPECT_EQ(restore(refused), 2) << refused;
  }
  EXPECT_TRUE(platform.console.back().starts_with("Usage: ") && platform.Content(kDb) == kJet);
  platform.heldOpen = {kDb};
  EXPECT_EQ(restore("arc12326app1.mde"), 1);
  EXPECT_TRUE(platform.console.back().ends_with(at + kDb + "\tskipped: in use in another program\r\n"));
  platform.AddFile(kMarker, "PC2\tbob\t2026-12-05 01:30");  // another Corvane compacts it
  platform.heldOpen = {kMarker};
  EXPECT_EQ(restore("Arc12326App1.mde"), 1);
  EXPECT_TRUE(platform.console.back().ends_with(at + kDb +
                                                "\tfailed: App1.mde is being compacted by bob on PC2 since "
                                                "01:30. Please try again in a few minutes.\r\n"));
  platform.heldOpen.clear();
  platform.DeleteFile(kMarker);
  const std::string failed = at + kDb + "\tfailed: Restoring App1.mde failed: " + kDb + ": The file cannot be read.";
  platform.FailOn("ReadBytes", kDb, "The file cannot be read.");
  EXPECT_EQ(restore("Arc12326App1.mde"), 1);
  EXPECT_TRUE(platform.console.back().ends_with(failed + " The database was put back as it was, and is also kept at " +
                                                before + ".\r\n"));
  EXPECT_EQ(platform.Content(kDb), kJet);
  platform.FailOn("ReadBytes", kDb, "The file cannot be read.");
  platform.FailOn("CopyFile", kDb + ".partial", "The device is not ready.", 1);
  EXPECT_EQ(restore("Arc12326App1.mde"), 1);
  EXPECT_TRUE(platform.console.back().ends_with(failed + " The database could not be put back as it was: " + kDb +
                                                ": The device is not ready. It is kept at " + before + ".\r\n"));
  platform.AddFile(kDb, kJet);
  EXPECT_EQ(restore("Arc12326App1.mde"), 0);
  EXPECT_TRUE(platform.console.back().ends_with(at + kDb + "\tok\t" + copy + "\t18\r\n"));
  EXPECT_TRUE(platform.Content(kDb) == "copy of 3 December" && platform.Content(before) == kJet);
  EXPECT_TRUE(!platform.FileAt(kDb).readOnly && !platform.HasFile(kMarker));
}

// The restore window lists the slot's own copies newest first, then the safety copy; Restore acts on the line chosen
// after a Yes, keeps the database as it was, and closes. A database in use is left alone.
TEST_F(MaintenanceTest, TheRestoreWindowListsTheSlotsCopiesNewestFirstAndPutsTheChosenOneBack) {
  platform.AddFile(kArc + "Arc12326App1.mde", std::string(2048, 'a')).created = {2026, 12, 3};
  platform.AddFile(kArc + "Arc12426App1.mde", std::string(3000, 'b')).created = {2026, 12, 4};
  platform.AddFile(kArc + "Arc4310App1.mde", "c").created = {2010, 4, 3};
  platform.AddFile(kArc + "Arc4310App11.mde");
  platform.AddFile(kCopy, kJet).created = {2026, 11, 30};
  FakeWindow& support = (Start(), OpenSupport());
  support.Fire("CmdRestore", Event::Click);
  EXPECT_EQ(MessageTexts().back(), "Tick the one application to restore.");
  support.SetChecked("Check1", true);
  support.Fire("CmdRestore", Event::Click);
  FakeWindow& restore = Shown("frmRestore");
  EXPECT_TRUE(restore.Caption() == "Restore App1.mde" && restore.owner == &support);
  EXPECT_EQ(restore.Lines("ListCopies"),
            (std::vector<std::string>{"4.12.2026   3 KB   Arc12426App1.mde", "3.12.2026   2.048 KB   Arc12326App1.mde",
                                      "3.4.2010   0.001 KB   Arc4310App1.mde",
                                      "30.11.2026   4.096 KB   before the last compaction"}));
  EXPECT_FALSE(restore.IsEnabled("CmdRestore"));
  restore.SelectLine("ListCopies", 1);
  EXPECT_TRUE(restore.IsEnabled("CmdRestore"));
  platform.heldOpen = {kDb};
  for (Answer answer : {Answer::No, Answer::Yes}) {
    platform.Answer(answer);
    restore.Fire("CmdRestore", Event::Click);
  }
  EXPECT_EQ(MessageTexts().back(), "App1.mde is still open in another program. Nothing was restored.");
  EXPECT_TRUE(platform.Content(kDb) == kJet && !platform.HasFile(kArc + "BeforeRestore_App1.mde"));
  platform.heldOpen.clear();
  platform.Answer(Answer::Yes);
  restore.Fire("ListCopies", Event::DblClick);
  EXPECT_EQ(MessageTexts().end()[-2],
            "Replace App1.mde with its copy of 3.12.2026? The database as it is now will be "
            "kept as ArcBackup\\BeforeRestore_App1.mde.");
  EXPECT_EQ(MessageTexts().back(),
            "App1.mde was restored from its copy of 3.12.2026. The database as it was is kept "
            "at C:\\Apps\\ArcBackup\\BeforeRestore_App1.mde.");
  EXPECT_TRUE(platform.Content(kDb) == std::string(2048, 'a') &&
              platform.Content(kArc + "BeforeRestore_App1.mde") == kJet);
  EXPECT_EQ(platform.Form("frmRestore"), nullptr);
  support.Fire("CmdRestore", Event::Click);
  support.Fire("CmdClose", Event::Click);  // the window it owns goes with it
  EXPECT_TRUE(platform.Form("frmRestore") == nullptr && platform.Form("frmSupport11") == nullptr);
}

}  // namespace
}  // namespace corvane::testing
