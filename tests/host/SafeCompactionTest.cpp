// A compaction that can never lose a database, and the launcher and backups that keep away from one in progress.
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
const std::string kFailed = "C:\\Apps\\ArcBackup\\FailedCompact_App1.mde";
const std::string kJet = std::string(4, '\0') + "Standard Jet DB" + std::string(4077, 'j');

class SafeCompactionTest : public HostTest {
 protected:
  SafeCompactionTest() {
    // Slot 1 is App1.mde in C:\Apps, for the unattended runs too.
    platform.AddFile("C:\\CorvaneAppNames.txt", SlotLine("App", {"", "", ""}).replace(1, 4, "App1.mde"));
    platform.AddFile("C:\\CorvanePaths.txt", SlotLine("C:\\Unused", {"", ""}).replace(1, 10, "C:\\Apps"));
    state.LauncherSettings.Apps[0] = {"App1.mde", "C:\\Apps", ""};
    platform.AddFile(kDb, kJet);
    platform.AddFile(kAccess);
    state.AccessPath = kAccess;
    platform.environment = {{"COMPUTERNAME", "PC1"}, {"USERNAME", "ann"}};
  }
  void Run(void (*routine)(Desktop&, State&, int), Answer answer = Answer::Ok) {
    platform.Answer(answer);
    RunGuarded(platform, [&] { routine(platform, state, 0); });
  }
  // Every outcome tested here fails or skips the run's slot, so the run ends with 1.
  std::string Logged(const std::string& action) {
    EXPECT_EQ(RunUnattended(platform, std::vector<std::string>{action, "1"}), 1);
    const std::string& line = platform.console.back();
    EXPECT_NE(line.find("\t" + action.substr(1) + "\t"), std::string::npos) << line;
    return line.substr(line.find("App1.mde\t") + 9);
  }
};

TEST_F(SafeCompactionTest, RoomAndACopyComeFirstAndTheMarkerIsHeldOnlyWhileAccessWorks) {
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
  EXPECT_EQ(platform.Content(kCopy), kJet);
  EXPECT_FALSE(platform.HasFile(kMarker) || platform.HasFile(kCopy + ".partial"));
  platform.whileWaited = nullptr;
  platform.exitCode = 3;
  EXPECT_EQ(Logged("/compact"), "failed: Access ended with code 3\r\n");
}

TEST_F(SafeCompactionTest, WhatAccessRuinsIsMovedAsideAndTheDatabasePutBack) {
  const std::string ace = std::string(kJet).replace(13, 3, "ACE"), notAccess = "no longer an Access database";
  const struct Case {
    std::string before, after, reason;  // after "-": Access left nothing; reason "": the check passes
  } cases[] = {{kJet, "-", "missing"},         {kJet, "", "empty"},
               {kJet, ace, notAccess},         {kJet, kJet.substr(0, 2047), notAccess},
               {ace, ace.substr(0, 2048), ""}, {"plain", "mangled", ""}};
  for (const Case& c : cases) {
    platform.AddFile(kDb, c.before);
    platform.whileWaited = [&] { c.after == "-" ? platform.DeleteFile(kDb) : platform.AddFile(kDb, c.after); };
    Run(&CompactApp);
    if (!c.reason.empty()) {
      EXPECT_EQ(MessageTexts().back(), "Compaction of App1.mde failed: the database was " + c.reason +
                                           " afterwards. The database was restored from the copy taken before "
                                           "compaction.");
    }
    EXPECT_EQ(platform.Content(kDb), c.reason.empty() ? c.after : c.before) << c.reason;
    const bool failedKept = platform.HasFile(kFailed);
    EXPECT_EQ(failedKept, c.after != "-" && !c.reason.empty()) << c.reason;
    EXPECT_EQ(platform.FilePaths().size(), 5u + failedKept) << c.reason;  // no marker, no scratch file
    if (failedKept) {
      EXPECT_EQ(platform.Content(kFailed), c.after);
      platform.DeleteFile(kFailed);
    }
  }
  platform.whileWaited = [&] { platform.AddFile(kDb, ""); };
  EXPECT_EQ(Logged("/compact"), "failed: the database was empty afterwards; restored from " + kCopy + "\r\n");
  platform.FailOn("CopyFile", kDb + ".partial", "The device is not ready.");
  Run(&CompactApp);
  EXPECT_TRUE(MessageTexts().back().ends_with("empty afterwards. The database could not be restored: " + kDb +
                                              ".partial: The device is not ready. The copy taken before compaction "
                                              "is kept at " +
                                              kCopy + "."));
}

TEST_F(SafeCompactionTest, RoomIsTwiceTheDatabaseInMegabytesNeededRoundedUpAndFreeRoundedDown) {
  using Row = std::tuple<std::uint64_t, std::uint64_t, bool, std::uint64_t, std::uint64_t>;
  for (auto [bytes, free, enough, needed, left] :
       {Row{1500, 3000, true, 1, 0}, {1500, 2999, false, 1, 0}, {500'001, 1'000'001, false, 2, 1}}) {
    const Room room = RoomFor({"C:", free}, bytes);
    EXPECT_TRUE(room.Enough() == enough && room.NeededMegabytes() == needed && room.FreeMegabytes() == left) << free;
  }
}

TEST_F(SafeCompactionTest, AMarkerAnotherProcessHoldsKeepsTheLauncherAndTheBackupsAwayAndAStaleOneIsDeleted) {
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

TEST_F(SafeCompactionTest, ABackupOfADatabaseInUseIsMadeOnlyOnYesAndUnattendedSaysItMayNotBeConsistent) {
  platform.heldOpen = {kDb};
  Run(&BackupApp, Answer::No);
  EXPECT_EQ(MessageTexts().back(),
            "App1.mde is open in another program. A copy taken now may not be consistent. Back "
            "it up anyway?");
  EXPECT_TRUE(platform.messages.back().buttons == Buttons::YesNo &&
              !platform.HasFile("C:\\Apps\\ArcBackup\\Arc12526App1.mde"));
  Run(&BackupApp, Answer::Yes);
  EXPECT_EQ(platform.Content("C:\\Apps\\ArcBackup\\Arc12526App1.mde"), kJet);
  EXPECT_TRUE(Logged("/backup").starts_with("ok: in use in another program, the copy may not be consistent\t"));
}

}  // namespace
}  // namespace corvane::testing
