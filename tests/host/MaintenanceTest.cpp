// Backup and compaction of a slot: names, questions, messages, Access's command line, and failures that must
// never cost an existing backup.
#include "HostTest.h"
#include "launcher/Launch.h"
#include "support/Backup.h"
#include "support/Compact.h"

namespace corvane::testing {
namespace {

using namespace Shortcuts11;

TEST(KiloBytesText, ThousandsOfBytesInTheGeneralFormat) {
  for (auto [bytes, separator, text] : {std::tuple<std::uint64_t, const char*, const char*>{1000000, ".", "1000"},
                                        {1, ".", "0.001"},
                                        {5368709121ULL, ".", "5368709.121"},
                                        {1500, ",", "1,5"}}) {
    EXPECT_EQ(KiloBytesText(bytes, separator), text);
  }
}

class MaintenanceTest : public HostTest {
 protected:
  static constexpr const char* kBackup = "C:\\My Apps\\ArcBackup\\Arc12526App1.mde";

  MaintenanceTest() {
    state.LauncherSettings.Apps[0] = {"App1.mde", "C:\\My Apps", ""};
    state.LauncherSettings.Apps[2] = {"App3.mde", "C:\\My Apps", ""};
    platform.AddFile("C:\\My Apps\\App1.mde", std::string(1500, 'x'));
    platform.AddFile(kAccess);
    state.AccessPath = kAccess;
  }
};

TEST_F(MaintenanceTest, AFailedBackupKeepsTheOldCopyAndLeavesNoPartialFile) {
  const std::pair<const char*, void (*)(FakeDesktop&)> cases[] = {
      {"source missing", [](FakeDesktop& p) { p.DeleteFile("C:\\My Apps\\App1.mde"); }},
      {"disk full", [](FakeDesktop& p) { p.FailOn("CopyFile", "", "There is not enough space on the disk."); }},
      {"replace refused", [](FakeDesktop& p) { p.FailOn("ReplaceFile", "", "Access is denied."); }},
  };
  for (const auto& [what, breakIt] : cases) {
    FakeDesktop machine;
    machine.AddFile("C:\\My Apps\\App1.mde", "new data");
    machine.AddFile(kBackup, "old data");
    machine.FileAt(kBackup).readOnly = true;
    breakIt(machine);
    machine.Answer(Answer::Yes);
    RunGuarded(machine, [&] { BackupApp(machine, state, 0); });
    EXPECT_EQ(machine.Content(kBackup), "old data") << what;
    EXPECT_NE(machine.messages.back().text, "Replace Copy Done") << what;
    EXPECT_FALSE(machine.HasFile(std::string(kBackup) + ".partial")) << what;
  }
}

// A folder that is no full path would have Windows look in the current folder or at the root of the current drive,
// where C:\App1.mde is; a slot that names a database but lacks it, or Access, says so too.
TEST_F(MaintenanceTest, ASlotWithoutAFullFolderOrAFileNameHasNoDatabase) {
  const std::string missing = "Cannot find App1.mde database.";
  const std::tuple<const char*, const char*, bool, std::string> cases[] = {
      {"Z:\\My Apps", "App1.mde", true, missing},
      {"C:", "App1.mde", true, "The system cannot find the file specified."},
      {"c:/My Apps", "App1.mde", true, missing},
      {"\\\\server\\apps", "App1.mde", true, missing},
      {"", "App1.mde", false, missing},
      {"\\My Apps", "App1.mde", false, missing},
      {"My Apps", "App1.mde", false, missing},
      {"C:My Apps", "App1.mde", false, missing},
      {"\\\\\\x", "App1.mde", false, missing},
      {"1:\\x", "App1.mde", false, missing},
      {"C:\\My Apps", "", false, "Cannot find  database."}};
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

// 64-byte lock-file records: a 32-byte computer name, then a 32-byte user name, padded with NULs.
std::string LockRecord(const std::string& computer, const std::string& user) {
  return computer + std::string(32 - computer.size(), '\0') + user + std::string(32 - user.size(), ' ');
}

TEST_F(MaintenanceTest, ADatabaseStillInUseIsNeverHandedToAccess) {
  const std::string database = "C:\\My Apps\\App1.mde";
  const std::string lockFile = "C:\\My Apps\\App1.ldb";
  struct Case {
    std::string held;         // what another process holds open
    std::string lockContent;  // empty: no lock file
    std::string warning;      // empty: compaction goes ahead
  } cases[] = {
      {database, LockRecord("PC1", "bob") + LockRecord("PC2", "") + LockRecord("PC1", "bob"),
       "App1.mde is still open on PC1 (bob), PC2. Compaction was not started."},
      {lockFile, LockRecord("CAF\xC9", "ann"),
       "App1.mde is still open on CAF\xC3\x89 (ann). Compaction was not started."},
      {database, "", "App1.mde is still open in another program. Compaction was not started."},
      {"", LockRecord("PC9", "stale"), ""},  // a lock file no one holds is left behind by a crash: no obstacle
  };
  for (const Case& c : cases) {
    FakeDesktop machine;
    machine.AddFile(database, "db");
    machine.AddFile(kAccess);
    if (!c.lockContent.empty()) {
      machine.AddFile(lockFile, c.lockContent);
    }
    machine.heldOpen = {c.held};
    machine.Answer(Answer::Ok);
    RunGuarded(machine, [&] { CompactApp(machine, state, 0); });
    EXPECT_EQ(machine.starts.size(), c.warning.empty() ? 1u : 0u) << c.warning;
    if (!c.warning.empty()) {
      ASSERT_EQ(machine.messages.size(), 2u);
      EXPECT_EQ(machine.messages[1].text, c.warning);
      EXPECT_TRUE(machine.messages[1].title == "WARNING" && machine.messages[1].buttons == Buttons::Ok);
    }
    EXPECT_EQ(machine.HasFile(lockFile), !c.lockContent.empty());
  }
}

TEST_F(MaintenanceTest, CompactionStopsAtCancelAndAtAMissingFile) {
  platform.Answer(Answer::Cancel);
  RunGuarded(platform, [&] { CompactApp(platform, state, 0); });
  RunGuarded(platform, [&] { CompactApp(platform, state, 2); });
  EXPECT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[1].text, "Cannot find App3.mde database to compact");
  EXPECT_TRUE(platform.starts.empty());
}

TEST_F(MaintenanceTest, CompactionWithoutAccessOrWithAFailedSizeGoesOnToTheLastSize) {
  state.AccessPath.clear();
  platform.Answer(Answer::Ok);
  RunGuarded(platform, [&] { CompactApp(platform, state, 0); });
  EXPECT_EQ(MessageTexts()[2], "Cannot find MSAccess. Close, then reopen Main Menu and try again.");
  EXPECT_EQ(MessageTexts()[3], "App1.mde File Size After Compaction is 1.5 KB");

  state.AccessPath = kAccess;
  platform.FailOn("FileSize", "C:\\My Apps\\App1.mde", "The process cannot access the file.", 1);
  platform.Answer(Answer::Ok);
  RunGuarded(platform, [&] { CompactApp(platform, state, 0); });
  EXPECT_EQ(MessageTexts()[5], "C:\\My Apps\\App1.mde: The process cannot access the file.");
  EXPECT_EQ(platform.starts.size(), 1u);  // the slot goes on past its failed size
}

}  // namespace
}  // namespace corvane::testing
