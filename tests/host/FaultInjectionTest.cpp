// Every operation of a routine made to fail in turn: one message, nothing lost, no later step.
#include <functional>

#include "HostTest.h"
#include "launcher/Launch.h"
#include "settings/OpenExplorer.h"
#include "support/Backup.h"
#include "support/Compact.h"
#include "support/Manuals.h"

namespace corvane::testing {
namespace {

using namespace Shortcuts11;

struct Scenario {
  std::string name;
  std::function<void(FakePlatform&)> prepare;
  std::function<void(FakePlatform&)> run;
  std::function<void(FakePlatform&)> check;  // what must hold after any one failure
  int messagesOfFailure = 1;                 // -1: at most one (a silent retry may absorb the failure)
};

int InjectedMessages(const FakePlatform& machine) {
  int count = 0;
  for (const auto& message : machine.messages) {
    if (message.text.starts_with(FakePlatform::kInjected)) {
      EXPECT_EQ(message.title, "Corvane");
      ++count;
    }
  }
  return count;
}

// Runs the scenario once to count its operations, then once more for each of them, failing just that one.
void FailEachOperationOf(const Scenario& scenario) {
  int total = 0;
  {
    ResetModuleState();
    FakePlatform machine;
    scenario.prepare(machine);
    const int before = machine.operations;
    scenario.run(machine);
    total = machine.operations - before;
    ASSERT_GT(total, 0) << scenario.name;
  }
  for (int n = 1; n <= total; ++n) {
    SCOPED_TRACE(scenario.name + ", operation " + std::to_string(n) + " of " + std::to_string(total));
    ResetModuleState();
    FakePlatform machine;
    scenario.prepare(machine);
    machine.failAtOperation = machine.operations + n;
    scenario.run(machine);
    if (scenario.messagesOfFailure < 0) {
      EXPECT_LE(InjectedMessages(machine), 1);
    } else {
      EXPECT_EQ(InjectedMessages(machine), scenario.messagesOfFailure);
    }
    scenario.check(machine);
  }
}

bool Failed(const FakePlatform& machine) {
  return InjectedMessages(machine) > 0;
}

const std::string kOldNames =
    "\"o1\",\"o2\",\"o3\",\"o4\",\"o5\",\"o6\",\"o7\",\"o8\",\"o9\",\"o10\",\"o11\",\"m1\",\"m2\",\"t\"\r\n";
const std::string kOldPaths = "\"C:\\Apps\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"C:\\Help\",\"u\"\r\n";
const std::string kOldAliases = "\"a1\",\"a2\",\"a3\",\"a4\",\"a5\",\"a6\",\"a7\",\"a8\",\"a9\",\"a10\",\"a11\"\r\n";

void AddSettingsFiles(FakePlatform& machine) {
  machine.AddFile("C:\\CorvaneAppNames.txt", kOldNames);
  machine.AddFile("C:\\CorvanePaths.txt", kOldPaths);
  machine.AddFile("C:\\CorvaneAppAlias.txt", kOldAliases);
}

void SelectableSlot(FakePlatform& machine) {
  LauncherSettings.Apps[0] = {"App1.mde", "C:\\Apps", "HLQ"};
  machine.AddFile("C:\\Apps\\App1.mde", "fresh database");
  machine.AddFile(kAccess);
  AccessPath = kAccess;
}

TEST(FaultInjection, LoadSettingsEndsOnlyTheFileThatFailed) {
  FailEachOperationOf({"LoadSettings", AddSettingsFiles, [](FakePlatform& m) { LoadSettings(m); },
                       [](FakePlatform&) {
                         const int whole = (LauncherSettings.Title == "t") + (LauncherSettings.SupportUrl == "u") +
                                           (LauncherSettings.Apps[10].Alias == "a11");
                         EXPECT_EQ(whole, 2);
                       }});
}

TEST(FaultInjection, SaveSettingsNeverLeavesAFileHalfWritten) {
  FailEachOperationOf({"SaveSettings", AddSettingsFiles,
                       [](FakePlatform& m) {
                         SettingsTexts texts;
                         texts.appNames.fill("new");
                         texts.paths.fill("new");
                         texts.aliases.fill("new");
                         SaveSettings(m, texts);
                       },
                       [](FakePlatform& m) {
                         const std::vector<std::pair<std::string, std::string>> files{
                             {"C:\\CorvaneAppNames.txt", kOldNames},
                             {"C:\\CorvanePaths.txt", kOldPaths},
                             {"C:\\CorvaneAppAlias.txt", kOldAliases}};
                         bool sawOld = false;
                         for (const auto& [path, old] : files) {
                           const std::string& now = m.Content(path);
                           EXPECT_TRUE(now == old || now.starts_with("\"new\",\"new\"")) << path << ": " << now;
                           EXPECT_FALSE(sawOld && now != old) << path << " was written after a failure";
                           sawOld = sawOld || now == old;
                         }
                         EXPECT_EQ(m.FilePaths().size(), 3u);  // no scratch file left
                       }});
}

TEST(FaultInjection, OpenAppStartsNothingAfterAFailure) {
  FailEachOperationOf({"OpenApp", SelectableSlot, [](FakePlatform& m) { OpenApp(m, 0); },
                       [](FakePlatform& m) { EXPECT_TRUE(m.starts.empty()); }});
}

void CheckBackup(FakePlatform& m, const std::string& old, const std::string& doneMessage) {
  const std::string backup = "C:\\Apps\\ArcBackup\\Arc12526App1.mde";
  const bool replaced = m.HasFile(backup) && m.Content(backup) == "fresh database";
  if (old.empty()) {
    EXPECT_TRUE(!m.HasFile(backup) || replaced);
  } else {
    EXPECT_TRUE(replaced || m.Content(backup) == old) << "the old backup was lost";
  }
  EXPECT_FALSE(m.HasFile(backup + ".partial"));
  EXPECT_EQ(m.messages.back().text.starts_with(doneMessage), !Failed(m));
}

TEST(FaultInjection, BackupNeverLosesTheOldCopyNorLeavesAPartialOne) {
  FailEachOperationOf({"BackupApp, new", SelectableSlot, [](FakePlatform& m) { BackupApp(m, 0); },
                       [](FakePlatform& m) { CheckBackup(m, "", "New Copy Is"); }});
  FailEachOperationOf({"BackupApp, replacing",
                       [](FakePlatform& m) {
                         SelectableSlot(m);
                         m.AddFile("C:\\Apps\\ArcBackup\\Arc12526App1.mde", "old backup");
                         m.Answer(Answer::Yes);
                       },
                       [](FakePlatform& m) { BackupApp(m, 0); },
                       [](FakePlatform& m) { CheckBackup(m, "old backup", "Replace Copy Done"); }});
}

TEST(FaultInjection, CompactionReportsEachFailureOnce) {
  FailEachOperationOf({"CompactApp",
                       [](FakePlatform& m) {
                         SelectableSlot(m);
                         m.Answer(Answer::Ok);
                       },
                       [](FakePlatform& m) { CompactApp(m, 0); },
                       [](FakePlatform& m) { EXPECT_LE(m.starts.size(), 1u); }});
}

TEST(FaultInjection, ManualsAndExplorerStartNothingHalfWay) {
  FailEachOperationOf({"OpenManual",
                       [](FakePlatform& m) {
                         const std::string reader = "C:\\Program Files\\Adobe\\Reader 9.0\\Reader\\AcroRd32.exe";
                         m.AddFile(reader);
                         m.AddFile("C:\\Help\\Manual1.pdf");
                         PdfReaderPath = reader;
                         PdfReaderStatus = "exists";
                         LauncherSettings.ManualName1 = "Manual1.pdf";
                         LauncherSettings.ManualPath = "C:\\Help";
                       },
                       [](FakePlatform& m) { OpenManual(m, 1); },
                       [](FakePlatform& m) { EXPECT_TRUE(m.starts.empty()); }});
  FailEachOperationOf({"OpenExplorer", [](FakePlatform& m) { m.AddFile("C:\\Windows\\Explorer.exe"); },
                       [](FakePlatform& m) { OpenExplorer(m); },
                       [](FakePlatform& m) { EXPECT_EQ(m.starts.size(), Failed(m) ? 0u : 1u); }, -1});
}

TEST(FaultInjection, DeletePathFilesKeepsTheCaptionsAndStopsAtAFailure) {
  FailEachOperationOf({"Delete Path Files",
                       [](FakePlatform& m) {
                         AddSettingsFiles(m);
                         m.Answer(Answer::Yes);
                       },
                       [](FakePlatform& m) {
                         Program program(m);
                         program.Start();
                         if (m.ended) {
                           return;  // the launcher could not be made: the program said so and ended
                         }
                         m.Form("frmCorvane")->Fire("CmdOpenSupport", Event::Click);
                         if (FakeWindow* support = m.Form("frmSupport11")) {
                           support->Fire("CmdDeletePathFiles", Event::Click);
                         }
                       },
                       [](FakePlatform& m) {
                         EXPECT_TRUE(m.HasFile("C:\\CorvaneAppAlias.txt"));
                         if (m.HasFile("C:\\CorvaneAppNames.txt")) {
                           EXPECT_TRUE(m.HasFile("C:\\CorvanePaths.txt"));
                         }
                       },
                       -1});  // a failing probe of the locators at start-up counts as absent and is not said
}

}  // namespace
}  // namespace corvane::testing
