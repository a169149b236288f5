// Backup and compaction of a slot: questions, messages, Access's command line, who holds a database, failures that
// must never cost a backup or the database, and the launcher and backups that keep away from a compaction.
#include "HostTest.h"
#include "launcher/Launch.h"
#include "support/Backup.h"
#include "support/Compact.h"
#include "support/LockFile.h"
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
  const std::string noFile = "The system cannot find the file specified.", noName = "Cannot find  database.";
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

// A database in use is backed up only on Yes; unattended, the copy is made and said to be maybe not consistent. A
// failed backup keeps the old copy.
TEST_F(MaintenanceTest, ADatabaseInUseIsBackedUpOnlyOnYesAndAFailedBackupKeepsTheOldCopy) {
  platform.heldOpen = {kDb};
  Run(&BackupApp, Answer::No);
  EXPECT_EQ(MessageTexts().back(),
            "App1.mde is open in another program. A copy taken now may not be consistent. Back it up anyway?");
  EXPECT_TRUE(platform.messages.back().buttons == Buttons::YesNo && !platform.HasFile(kBackup));
  Run(&BackupApp, Answer::Yes);
  EXPECT_EQ(platform.Content(kBackup), kJet);
  EXPECT_TRUE(Logged("/backup").starts_with("ok: in use in another program, the copy may not be consistent\t"));
  platform.heldOpen.clear();
  const std::pair<const char*, void (*)(FakeDesktop&)> cases[] = {
      {"disk full", [](FakeDesktop& p) { p.FailOn("CopyFile", "", "There is not enough space on the disk."); }},
      {"replace refused", [](FakeDesktop& p) { p.FailOn("ReplaceFile", "", "Access is denied."); }},
      {"source missing", [](FakeDesktop& p) { p.DeleteFile(kDb); }},  // last, as it takes the database away
  };
  for (const auto& [what, breakIt] : cases) {
    platform.AddFile(kBackup, "old data").readOnly = true;
    breakIt(platform);
    Run(&BackupApp, Answer::Yes);
    EXPECT_EQ(platform.Content(kBackup), "old data") << what;
    EXPECT_NE(platform.messages.back().text, "Replace Copy Done") << what;
    EXPECT_FALSE(platform.HasFile(kBackup + ".partial")) << what;
  }
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

TEST_F(MaintenanceTest, CompactionStopsAtCancelOrAMissingFileAndGoesOnWithoutAccessOrPastAFailedSize) {
  Run(&CompactApp, Answer::Cancel);
  Run(&CompactApp, Answer::Ok, 2);
  EXPECT_EQ(MessageTexts().back(), "Cannot find App3.mde database to compact");
  EXPECT_TRUE(platform.messages.size() == 2 && platform.starts.empty());
  state.AccessPath.clear();
  Run(&CompactApp);
  EXPECT_EQ(MessageTexts()[4], "Cannot find MSAccess. Close, then reopen Main Menu and try again.");
  EXPECT_EQ(MessageTexts()[5], "App1.mde File Size After Compaction is 4.096 KB");
  state.AccessPath = kAccess;
  platform.FailOn("FileSize", kDb, "The process cannot access the file.", 1);
  Run(&CompactApp);
  EXPECT_EQ(MessageTexts()[7], kDb + ": The process cannot access the file.");
  EXPECT_EQ(platform.starts.size(), 1u);  // the slot goes on past its failed size
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
  platform.FailOn("CopyFile", kCopy + ".partial", "There is not enough space on the disk.");
  Run(&CompactApp);
  EXPECT_EQ(MessageTexts().back(), kCopy + ".partial: There is not enough space on the disk.");
  EXPECT_TRUE(platform.starts.empty());
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
  // After "-": Access left nothing; reason "": the check passes.
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {kJet, "-", "missing"},         {kJet, "", "empty"},
      {kJet, ace, notAccess},         {kJet, kJet.substr(0, 2047), notAccess},
      {ace, ace.substr(0, 2048), ""}, {ace, ace.substr(0, 2047), notAccess},
      {"plain", "mangled", ""}};
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
  platform.FailOn("CopyFile", kDb + ".partial", "The device is not ready.");
  Run(&CompactApp);
  const std::string unrestored =
      "Compaction of App1.mde failed: the database was empty afterwards. The database could "
      "not be restored: " +
      kDb + ".partial: The device is not ready.";
  EXPECT_EQ(MessageTexts().back(), unrestored + " The copy taken before compaction is kept at " + kCopy + ".");
}

TEST_F(MaintenanceTest, AMarkerAnotherProcessHoldsKeepsTheLauncherAndTheBackupsAwayAndAStaleOneIsDeleted) {
  platform.AddFile(kMarker, "PC2\tbob\t2026-12-05 01:30");
  platform.heldOpen = {kMarker};
  for (auto routine : {&OpenApp, &BackupApp, &CompactApp}) {
    platform.messages.clear();
    Run(routine);
    EXPECT_EQ(MessageTexts().back(),
              "App1.mde is being compacted by bob on PC2 since 01:30. Please try again in a few minutes.");
    EXPECT_EQ(MessageTexts().size(), routine == &CompactApp ? 2u : 1u);  // compaction asks to close the database first
  }
  EXPECT_TRUE(platform.starts.empty() && platform.FilePaths().size() == 5);  // no copy of any kind
  EXPECT_EQ(Logged("/backup"), "skipped: being compacted by bob on PC2\r\n");
  platform.heldOpen.clear();
  Run(&OpenApp);
  EXPECT_TRUE(platform.starts.size() == 1 && !platform.HasFile(kMarker));
}

}  // namespace
}  // namespace corvane::testing
