// A compaction that can never lose a database: room, the safety copy, the marker, the check, putting the database
// back; and the launcher and the backups that honour the marker.
#include "HostTest.h"
#include "launcher/Launch.h"
#include "support/Backup.h"
#include "support/Compact.h"
#include "support/SafeCompaction.h"
#include "unattended/RunUnattended.h"

namespace corvane::testing {
namespace {

using namespace Shortcuts11;

const std::string kDb = "C:\\Apps\\App1.mde", kCopy = "C:\\Apps\\ArcBackup\\PreCompact_App1.mde";
const std::string kMarker = "C:\\Apps\\ArcBackup\\Compacting_App1.mde";
const std::string kAccessDb = std::string("\0\1\0\0Standard Jet DB\0", 20) + std::string(4076, 'j');

class SafeCompactionTest : public HostTest {
 protected:
  SafeCompactionTest() {
    // Slot 1 is App1.mde in C:\Apps for the unattended runs too.
    platform.AddFile("C:\\CorvaneAppNames.txt", SlotLine("App", {"m1", "m2", "T"}).replace(1, 4, "App1.mde"));
    platform.AddFile("C:\\CorvanePaths.txt",
                     SlotLine("C:\\Unused", {"C:\\Help", "http://help"}).replace(1, 10, "C:\\Apps"));
    state.LauncherSettings.Apps[0] = {"App1.mde", "C:\\Apps", ""};
    platform.AddFile(kDb, kAccessDb);
    platform.AddFile(kAccess);
    state.AccessPath = kAccess;
    platform.environment = {{"COMPUTERNAME", "PC1"}, {"USERNAME", "ann"}};
  }
  void Compact() {
    platform.Answer(Answer::Ok);
    RunGuarded(platform, [&] { CompactApp(platform, state, 0); });
  }
  int RunCompact() { return RunUnattended(platform, std::vector<std::string>{"/compact", "1"}); }
  std::string LastLog() { return platform.console.back().substr(platform.console.back().rfind("App1.mde\t") + 9); }
};

TEST_F(SafeCompactionTest, APassingCompactionKeepsItsCopyAndHoldsTheMarkerOnlyWhileAccessWorks) {
  platform.AddFile(kMarker, "PC9\tzoe\t2026-01-01 10:00");  // left by a power cut: no process holds it
  platform.whileWaited = [&] {
    EXPECT_EQ(platform.Content(kMarker), "PC1\tann\t2026-12-05 02:00");
    EXPECT_EQ(platform.holding.size(), 1u);
    EXPECT_EQ(platform.Content(kCopy), kAccessDb);
    platform.FileAt(kDb).content.resize(2048);
  };
  Compact();
  EXPECT_EQ(MessageTexts().back(), "App1.mde File Size After Compaction is 2.048 KB");
  EXPECT_EQ(MessageTexts().size(), 3u);
  EXPECT_EQ(platform.starts.size(), 1u);
  EXPECT_EQ(platform.Content(kCopy), kAccessDb);
  EXPECT_FALSE(platform.HasFile(kMarker) || platform.HasFile(kCopy + ".partial"));
}

TEST_F(SafeCompactionTest, WhatAccessRuinsIsMovedAsideAndTheDatabasePutBack) {
  const std::string ace = std::string(4, '\0') + "Standard ACE DB" + std::string(4077, 'a');
  const struct Case {
    std::string before, after;  // "-": Access left nothing
    const char* reason;         // nullptr: the check passes
  } cases[] = {
      {kAccessDb, "-", "the database was missing afterwards"},
      {kAccessDb, "", "the database was empty afterwards"},
      {kAccessDb, std::string(kAccessDb).replace(13, 3, "ACE"),
       "the database was no longer an Access database afterwards"},
      {kAccessDb, kAccessDb.substr(0, 2047), "the database was no longer an Access database afterwards"},
      {ace, ace.substr(0, 2048), nullptr},
      {"plain", "mangled", nullptr},  // neither signature before: only being there and not empty count
  };
  for (const Case& c : cases) {
    FakeDesktop machine;
    machine.AddFile(kDb, c.before);
    machine.AddFile(kAccess);
    machine.whileWaited = [&] {
      c.after == "-" ? machine.DeleteFile(kDb) : void(machine.FileAt(kDb).content = c.after);
    };
    machine.Answer(Answer::Ok);
    RunGuarded(machine, [&] { CompactApp(machine, state, 0); });
    const std::string said = machine.messages.back().text;
    if (c.reason == nullptr) {
      EXPECT_TRUE(said.starts_with("App1.mde File Size After")) << said;
      continue;
    }
    EXPECT_EQ(said, "Compaction of App1.mde failed: " + std::string(c.reason) +
                        ". The database was restored from the copy taken before compaction.");
    EXPECT_EQ(machine.messages.back().title, "WARNING");
    EXPECT_EQ(machine.Content(kDb), c.before) << c.reason;
    EXPECT_EQ(machine.Content(kCopy), c.before);
    EXPECT_EQ(machine.HasFile("C:\\Apps\\ArcBackup\\FailedCompact_App1.mde"), c.after != "-");
    EXPECT_EQ(machine.FilePaths().size(), c.after == "-" ? 3u : 4u) << c.reason;  // no marker, no scratch file
  }
}

TEST_F(SafeCompactionTest, RoomIsTwiceTheDatabaseInMegabytesNeededRoundedUpAndFreeRoundedDown) {
  for (auto [bytes, free, enough, needed, left] :
       {std::tuple<std::uint64_t, std::uint64_t, bool, std::uint64_t, std::uint64_t>{1500, 3000, true, 1, 0},
        {1500, 2999, false, 1, 0},
        {500'001, 1'000'001, false, 2, 1},
        {1'000'000, 2'000'000, true, 2, 2}}) {
    const Room room = RoomFor({"C:", free}, bytes);
    EXPECT_EQ(room.Enough(), enough) << bytes << " " << free;
    EXPECT_EQ(room.NeededMegabytes(), needed) << bytes;
    EXPECT_EQ(room.FreeMegabytes(), left) << free;
  }
  platform.volume = {"\\\\server\\share", 8191};
  Compact();
  EXPECT_EQ(MessageTexts().back(),
            "There is not enough free space on \\\\server\\share to compact App1.mde safely: 1 MB "
            "are needed and 0 MB are free. Compaction was not started.");
  EXPECT_EQ(RunCompact(), 1);
  EXPECT_EQ(LastLog(), "skipped: not enough free space (1 MB needed, 0 MB free)\r\n");
  EXPECT_TRUE(platform.starts.empty());
  EXPECT_FALSE(platform.HasFile(kCopy));
}

TEST_F(SafeCompactionTest, AFailedCopyStartsNoAccessAndAFailedRestoreNamesTheCopy) {
  platform.FailOn("CopyFile", kCopy + ".partial", "There is not enough space on the disk.");
  Compact();
  EXPECT_EQ(MessageTexts().back(), kCopy + ".partial: There is not enough space on the disk.");
  EXPECT_TRUE(platform.starts.empty());
  EXPECT_FALSE(platform.HasFile(kMarker));

  platform.whileWaited = [&] { platform.DeleteFile(kDb); };
  platform.FailOn("CopyFile", kDb + ".partial", "The device is not ready.");
  Compact();
  EXPECT_EQ(MessageTexts().back(),
            "Compaction of App1.mde failed: the database was missing afterwards. The database "
            "could not be restored: " +
                kDb +
                ".partial: The device is not ready. The copy "
                "taken before compaction is kept at " +
                kCopy + ".");
  EXPECT_EQ(platform.Content(kCopy), kAccessDb);
}

TEST_F(SafeCompactionTest, AScheduledCompactionFailsOnAccessExitCodeOrARestore) {
  platform.exitCode = 3;
  EXPECT_EQ(RunCompact(), 1);
  EXPECT_EQ(LastLog(), "failed: Access ended with code 3\r\n");
  platform.exitCode = 0;
  platform.whileWaited = [&] { platform.FileAt(kDb).content.clear(); };
  EXPECT_EQ(RunCompact(), 1);
  EXPECT_EQ(LastLog(), "failed: the database was empty afterwards; restored from " + kCopy + "\r\n");
  EXPECT_EQ(platform.Content(kDb), kAccessDb);
}

TEST_F(SafeCompactionTest, AMarkerAnotherProcessHoldsKeepsTheLauncherAndTheBackupsAway) {
  platform.AddFile(kMarker, "PC2\tbob\t2026-12-05 01:30");
  platform.heldOpen = {kMarker};
  const std::string says = "App1.mde is being compacted by bob on PC2 since 01:30. Please try again in a few minutes.";
  for (auto routine : {&OpenApp, &BackupApp, &CompactApp}) {
    platform.Answer(Answer::Ok);  // the compaction's question
    RunGuarded(platform, [&] { routine(platform, state, 0); });
    EXPECT_EQ(MessageTexts().back(), says);
  }
  EXPECT_TRUE(platform.starts.empty());
  EXPECT_EQ(platform.FilePaths().size(), 5u);  // settings, Access, database, marker: no copy of any kind
  EXPECT_EQ(RunUnattended(platform, std::vector<std::string>{"/backup", "1"}), 1);
  EXPECT_EQ(LastLog(), "skipped: being compacted by bob on PC2\r\n");
  platform.heldOpen.clear();  // left by a crash: the launcher deletes it and goes ahead
  RunGuarded(platform, [&] { OpenApp(platform, state, 0); });
  EXPECT_TRUE(platform.starts.size() == 1 && !platform.HasFile(kMarker));
}

TEST_F(SafeCompactionTest, ABackupOfADatabaseInUseIsMadeOnlyOnYesAndUnattendedSaysItMayNotBeConsistent) {
  platform.heldOpen = {kDb};
  platform.Answer(Answer::No);
  RunGuarded(platform, [&] { BackupApp(platform, state, 0); });
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"App1.mde is open in another program. A copy taken now may not be "
                                                     "consistent. Back it up anyway?"});
  EXPECT_FALSE(platform.HasFile("C:\\Apps\\ArcBackup\\Arc12526App1.mde"));
  platform.Answer(Answer::Yes);
  RunGuarded(platform, [&] { BackupApp(platform, state, 0); });
  EXPECT_EQ(platform.Content("C:\\Apps\\ArcBackup\\Arc12526App1.mde"), kAccessDb);
  EXPECT_EQ(RunUnattended(platform, std::vector<std::string>{"/backup", "1"}), 1);
  EXPECT_NE(platform.console.back().find("\tok: in use in another program, the copy may not be consistent\t"),
            std::string::npos);
}

}  // namespace
}  // namespace corvane::testing
