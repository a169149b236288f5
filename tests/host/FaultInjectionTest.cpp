// Every operation of a routine made to fail in turn: one message, nothing lost, no later step.
#include <functional>

#include "HostTest.h"
#include "support/Backup.h"
#include "support/Compact.h"

namespace corvane::testing {
namespace {

using namespace Shortcuts11;
using Step = std::function<void(FakePlatform&)>;

int InjectedMessages(const FakePlatform& machine) {
  return static_cast<int>(std::count_if(machine.messages.begin(), machine.messages.end(), [](const auto& message) {
    return message.text.starts_with(FakePlatform::kInjected) && message.title == "Corvane";
  }));
}

const std::string kOldNames = SlotLine("o", {"m1", "m2", "t"});
const std::string kOldPaths = SlotLine("C:\\Apps", {"C:\\Help", "u"});
const std::string kOldAliases = SlotLine("a");
const std::string kBackup = "C:\\Apps1\\ArcBackup\\Arc12526o1";

void AddSettingsFiles(FakePlatform& machine) {
  machine.AddFile("C:\\CorvaneAppNames.txt", kOldNames);
  machine.AddFile("C:\\CorvanePaths.txt", kOldPaths);
  machine.AddFile("C:\\CorvaneAppAlias.txt", kOldAliases);
}

void SelectableSlot(FakePlatform& machine) {
  LauncherSettings.Apps[0] = {"o1", "C:\\Apps1", "a1"};
  machine.AddFile("C:\\Apps1\\o1", "fresh database");
  machine.AddFile(kAccess);
  AccessPath = kAccess;
  machine.Answer(Answer::Yes);  // to replace an old backup, or to go on with a compaction
}

// The backup is new or the old one, never lost, and no partial copy is left.
void CheckBackup(FakePlatform& m, const std::string& old) {
  const bool replaced = m.HasFile(kBackup) && m.Content(kBackup) == "fresh database";
  EXPECT_TRUE(replaced || (old.empty() ? !m.HasFile(kBackup) : m.Content(kBackup) == old));
  EXPECT_FALSE(m.HasFile(kBackup + ".partial"));
}

struct Scenario {
  std::string name;
  Step prepare, run, check;  // check: what must hold after any one failure
  bool mayAbsorb = false;    // a silent retry or a silent probe may take the failure without a word
} const kScenarios[] = {
    {"LoadSettings", AddSettingsFiles, [](FakePlatform& m) { LoadSettings(m); },
     [](FakePlatform&) {
       // The failure ends one file alone: the other two are read whole.
       const int whole = (LauncherSettings.Title == "t") + (LauncherSettings.SupportUrl == "u") +
                         (LauncherSettings.Apps[10].Alias == "a11");
       EXPECT_EQ(whole, 2);
     }},
    {"SaveSettings", AddSettingsFiles,
     [](FakePlatform& m) {
       SettingsTexts texts;
       texts.appNames.fill("new");
       texts.paths.fill("new");
       texts.aliases.fill("new");
       SaveSettings(m, texts);
     },
     [](FakePlatform& m) {
       bool sawOld = false;
       for (const auto& [path, old] : {std::pair{"C:\\CorvaneAppNames.txt", kOldNames},
                                       {"C:\\CorvanePaths.txt", kOldPaths},
                                       {"C:\\CorvaneAppAlias.txt", kOldAliases}}) {
         const std::string& now = m.Content(path);
         EXPECT_TRUE(now == old || now.starts_with("\"new\",\"new\"")) << path << ": " << now;
         EXPECT_FALSE(sawOld && now != old) << path << " was written after a failure";
         sawOld = sawOld || now == old;
       }
       EXPECT_EQ(m.FilePaths().size(), 3u);  // no scratch file left
     }},
    {"BackupApp, new", SelectableSlot, [](FakePlatform& m) { BackupApp(m, 0); },
     [](FakePlatform& m) { CheckBackup(m, ""); }},
    {"BackupApp, replacing",
     [](FakePlatform& m) {
       SelectableSlot(m);
       m.AddFile(kBackup, "old backup");
       m.FileAt(kBackup).readOnly = true;
     },
     [](FakePlatform& m) { BackupApp(m, 0); }, [](FakePlatform& m) { CheckBackup(m, "old backup"); }},
    {"CompactApp",
     [](FakePlatform& m) {
       SelectableSlot(m);
       m.AddFile("C:\\Apps1\\o1.ldb", std::string(64, 'x'));
     },
     [](FakePlatform& m) { CompactApp(m, 0); }, [](FakePlatform& m) { EXPECT_LE(m.starts.size(), 1u); }},
    {"Delete Path Files",
     [](FakePlatform& m) {
       AddSettingsFiles(m);
       m.Answer(Answer::Yes);
     },
     [](FakePlatform& m) {
       Program program(m);
       program.Start();
       if (FakeWindow* launcher = m.Form("frmCorvane")) {
         launcher->Fire("CmdOpenSupport", Event::Click);
       }
       if (FakeWindow* support = m.Form("frmSupport11")) {
         support->Fire("CmdDeletePathFiles", Event::Click);
       }
     },
     [](FakePlatform& m) {
       EXPECT_TRUE(m.HasFile("C:\\CorvaneAppAlias.txt"));
       EXPECT_TRUE(!m.HasFile("C:\\CorvaneAppNames.txt") || m.HasFile("C:\\CorvanePaths.txt"));
     },
     true},
};

// Runs each scenario once to count its operations, then once more for each of them, failing just that one.
TEST(FaultInjection, EachFailureIsToldOnceAndLosesNothing) {
  for (const Scenario& scenario : kScenarios) {
    int total = 0;
    for (int n = 0; n <= total; ++n) {
      SCOPED_TRACE(scenario.name + ", operation " + std::to_string(n) + " of " + std::to_string(total));
      ResetModuleState();
      FakePlatform machine;
      scenario.prepare(machine);
      const int before = machine.operations;
      machine.failAtOperation = n == 0 ? 0 : before + n;
      scenario.run(machine);
      if (n == 0) {
        total = machine.operations - before;
        EXPECT_EQ(InjectedMessages(machine), 0);
        continue;
      }
      EXPECT_LE(InjectedMessages(machine), 1);
      EXPECT_TRUE(scenario.mayAbsorb || InjectedMessages(machine) == 1);
      scenario.check(machine);
    }
  }
}

}  // namespace
}  // namespace corvane::testing
