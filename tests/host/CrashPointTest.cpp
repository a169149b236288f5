// Every call by which a routine changes the disk, refused and crashed at in turn. After each refusal, and after each
// crash and the next click or run that follows it, a good copy of the database survives, no real name holds half a
// file, the settings are one version, nothing claims work that did not happen, nothing outside the routine is touched,
// and the recovery leaves no marker and is done once.
#include <algorithm>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <set>

#include "HostTest.h"
#include "unattended/RunUnattended.h"

namespace corvane::testing {
namespace {

using DiskFault = FakePlatform::DiskFault;

const std::string kDb = "C:\\Apps\\App1.mde", kArc = "C:\\Apps\\ArcBackup\\";
const std::string kJet = std::string(4, '\0') + "Standard Jet DB" + std::string(4077, 'j');
// Neither is half of another: a copy cut short is never taken for a whole file.
const std::string kCompacted = kJet.substr(0, 19) + std::string(2029, 'c'), kRuined = kJet.substr(0, 2047);
const std::string kDated = kJet.substr(0, 19) + std::string(2029, 'd');  // the copy of 3 December
const std::string kMaster = "\\\\server\\apps\\App2.mde", kLocal = "C:\\Users\\Ann\\Copies\\App2\\App2.mde";
const std::string kSettings[] = {"C:\\CorvaneAppNames.txt", "C:\\CorvanePaths.txt", "C:\\CorvaneAppAlias.txt",
                                 "C:\\CorvaneLocalCopies.txt"};

using Files = std::map<std::string, FakePlatform::File>;  // by path as first given
constexpr std::string_view kSilent = "(nothing said)";

std::string Lower(std::string text) {
  std::ranges::transform(text, text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}
// Names whose content is the program's own affair until it is renamed to a real one.
bool Scratch(const std::string& path) {
  return path.ends_with(".partial") || path.ends_with(".new") || path.ends_with(".old");
}
// Files that are appended to, or that say who is at work, rather than hold a version of something.
bool Journal(const std::string& path) {
  return path.ends_with(".log") || path.ends_with(".saving") || path.find("Compacting_") != std::string::npos;
}

// An office: slot 1 is App1.mde in C:\Apps with three dated copies, one read-only, beside slot 3's; slot 2 runs a
// local copy of its master on the server.
struct Office {
  FakeDesktop platform;
  std::unique_ptr<Program> program;

  explicit Office(const std::string& accessLeaves) {
    std::vector<std::string> names{"App1.mde", "App2.mde"}, paths{"C:\\Apps", "\\\\server\\apps"};
    for (int n = 3; n <= kSlotCount; ++n) {
      names.push_back("App" + std::to_string(n) + ".mde");
      paths.push_back("C:\\Apps");
    }
    names.insert(names.end(), {"Manual1.pdf", "Manual2.pdf", "Title"});
    paths.insert(paths.end(), {"C:\\Apps", "http://support"});
    std::vector<std::string> ticks(kSlotCount, "No");
    ticks[1] = "Yes";
    ticks.push_back("C:\\Users\\Ann\\Copies");
    platform.AddFile(kSettings[0], FormatSettingsLine(names));
    platform.AddFile(kSettings[1], FormatSettingsLine(paths));
    platform.AddFile(kSettings[2], SlotLine("Slot "));
    platform.AddFile(kSettings[3], FormatSettingsLine(ticks));
    platform.AddFile(kAccess);
    platform.AddFile(kDb, kJet);
    platform.AddFile(kArc + "PreCompact_App1.mde", kJet.substr(0, 19) + std::string(2029, 'p')).created = {2026, 11, 1};
    platform.AddFile(kArc + "Arc11526App1.mde", kJet).created = {2026, 11, 5};
    platform.AddFile(kArc + "Arc12326App1.mde", kDated).created = {2026, 12, 3};
    FakePlatform::File& readOnly = platform.AddFile(kArc + "Arc12426App1.mde", kJet);
    readOnly.created = {2026, 12, 4};
    readOnly.readOnly = true;
    platform.AddFile(kArc + "Arc12426App3.mde", kJet).created = {2026, 12, 4};
    platform.AddFile(kMaster, kJet + "v2").lastWrite = 6;
    platform.AddFile(kLocal, kJet + "v1").lastWrite = 5;
    platform.environment = {{"COMPUTERNAME", "PC1"}, {"USERNAME", "ann"}};
    if (!accessLeaves.empty()) {
      platform.whileWaited = [this, accessLeaves] { platform.AddFile(kDb, accessLeaves); };
    }
    program = std::make_unique<Program>(platform);
  }

  Files Disk() const {
    Files files;
    for (const std::string& path : platform.FilePaths()) {
      files[path] = const_cast<FakeDesktop&>(platform).FileAt(path);
    }
    return files;
  }
  // What the run said, on screen or in the log; kSilent: the editor closed without a word.
  bool Says(std::string_view text) const {
    const auto has = [&](const std::string& line) { return line.find(text) != std::string::npos; };
    return text == kSilent
               ? closedSilently
               : std::ranges::any_of(platform.MessageTexts(), has) || std::ranges::any_of(platform.console, has);
  }
  std::string Content(const std::string& path) { return platform.HasFile(path) ? platform.Content(path) : ""; }

  // The process ends, as a crash ends it, and the next one starts with nothing planned to fail.
  void NextProcess() {
    program.reset();
    platform.crashed = false;
    platform.diskFault = DiskFault::None;
    platform.messages.clear();
    platform.console.clear();
    closedSilently = false;
    program = std::make_unique<Program>(platform);
  }

  // A command line ("/backup", ...), a button of the launcher ("CmdOpen1") or of the support window for slot 1
  // ("CmdCompact"), the editor's Close after an edit of each file ("save"), or a start ("start").
  void Do(const std::vector<std::string>& what) {
    if (what[0].starts_with("/")) {
      RunUnattended(platform, what);
      return;
    }
    program->Start();
    FakeWindow& launcher = *platform.Form("frmCorvane");
    if (what[0].starts_with("CmdOpen")) {
      launcher.Fire(what[0], Event::Click);
    } else if (what[0] != "start") {
      launcher.Fire("CmdOpenSupport", Event::Click);
      FakeWindow& support = *platform.Form("frmSupport11");
      what[0] == "save" ? SaveEditedSettings(support) : Tick(support, what[0]);
    }
  }
  void Tick(FakeWindow& support, std::string_view button) {
    support.SetChecked("Check1", true);
    for (int answer = 0; answer < 3; ++answer) {
      platform.Answer(Answer::Ok);
    }
    support.Fire(button, Event::Click);
  }
  void SaveEditedSettings(FakeWindow& support) {
    support.Fire("CmdEditPaths", Event::Click);
    FakeWindow& editor = *platform.Form("frmPaths11");
    editor.SetText("cTitle", "New title");
    editor.SetText("cHLPath12", "http://new");
    editor.SetText("cAlias0", "New slot");
    editor.SetText("cLocalPath", "C:\\Users\\Ann\\New");
    editor.Fire("CmdSaveClose", Event::Click);
    closedSilently = !platform.crashed && platform.messages.empty();
  }
  bool closedSilently = false;
};

// What a run says only when it is so: where it says `said`, `path` holds `bytes` (a `path` of "": never so).
struct Claim {
  std::string said, path, bytes;
};

// One routine of the harness: how it runs, how the next click or run recovers from its crash, what it may change,
// and what it must never claim without the files to show for it.
struct Routine {
  const char* name;
  std::string accessLeaves = {};  // the database as the stand-in Access leaves it ("": Access changes nothing)
  std::vector<std::string> run, recover;
  std::string database = {};            // whose last good bytes survive ("": none)
  std::vector<std::string> good = {};   // its good bytes besides those it starts with
  std::vector<std::string> owned = {};  // the starting files it may change; no other may change
  std::vector<Claim> claims = {};
};

const std::string kToday = kArc + "Arc12526App1.mde", kSafetyCopy = kArc + "PreCompact_App1.mde";
const std::vector<std::string> kSlotOne = {kDb, kSafetyCopy};
const std::string kCompactOk = "\tcompact\t" + kDb + "\tok", kBackupOk = "\tbackup\t" + kDb + "\tok";
const std::vector<std::string> kKeep = {"/backup", "1", "/keep", "2"};

const Routine kRoutines[] = {
    {.name = "compact-button",
     .accessLeaves = kCompacted,
     .run = {"CmdCompact"},
     .recover = {"CmdOpen1"},
     .database = kDb,
     .good = {kCompacted},
     .owned = kSlotOne,
     .claims = {{"File Size After", kDb, kCompacted}}},
    {.name = "compact-button-ruined",
     .accessLeaves = kRuined,
     .run = {"CmdCompact"},
     .recover = {"CmdOpen1"},
     .database = kDb,
     .owned = kSlotOne,
     .claims = {{"File Size After", "", ""}, {"was restored from", kDb, kJet}}},
    {.name = "compact-unattended",
     .accessLeaves = kCompacted,
     .run = {"/compact", "1"},
     .recover = {"/backup", "1"},
     .database = kDb,
     .good = {kCompacted},
     .owned = kSlotOne,
     .claims = {{kCompactOk, kDb, kCompacted}}},
    {.name = "compact-unattended-ruined",
     .accessLeaves = kRuined,
     .run = {"/compact", "1"},
     .recover = {"/backup", "1"},
     .database = kDb,
     .owned = kSlotOne,
     .claims = {{kCompactOk, "", ""}, {"restored from", kDb, kJet}}},
    {.name = "backup-button",
     .run = {"CmdBackup"},
     .recover = {"CmdOpen1"},
     .database = kDb,
     .claims = {{"Copy Done", kToday, kJet}, {"New Copy", kToday, kJet}}},
    {.name = "backup-keep",
     .run = kKeep,
     .recover = kKeep,
     .database = kDb,
     .owned = {kArc + "Arc11526App1.mde", kArc + "Arc12326App1.mde"},
     .claims = {{kBackupOk, kToday, kJet}}},
    {.name = "restore",
     .run = {"/restore", "1", "Arc12326App1.mde"},
     .recover = {"CmdOpen1"},
     .database = kDb,
     .owned = kSlotOne,
     .claims = {{"\trestore\t" + kDb + "\tok", kDb, kDated},
                {"\trestore\t" + kDb + "\tok", kArc + "BeforeRestore_App1.mde", kJet}}},
    {.name = "local-copy",
     .run = {"CmdOpen2"},
     .recover = {"CmdOpen2"},
     .database = kLocal,
     .good = {kJet + "v2"},
     .owned = {kLocal}},
    {.name = "save",
     .run = {"save"},
     .recover = {"start"},
     .owned = std::vector<std::string>(std::begin(kSettings), std::end(kSettings)),
     .claims = {{std::string(kSilent), kSettings[0], "New title"}}},
};

// What one run left against what it started with: the broken invariant, or nothing.
class Invariants {
 public:
  Invariants(const Routine& routine, Files start, const Files& cleanEnd) : routine_(routine), start_(std::move(start)) {
    for (const Files* files : {static_cast<const Files*>(&start_), &cleanEnd}) {
      for (const auto& [path, file] : *files) {
        if (!Journal(path)) {
          versions_.insert(file.content);
        }
      }
    }
    for (const std::string& settings : kSettings) {
      newSettings_.push_back(cleanEnd.at(settings).content);
    }
  }

  // Settings are one version once a crash is recovered from; until then they may be two.
  std::string Broken(Office& office, bool crashed = false) const {
    const Files now = office.Disk();
    if (!routine_.database.empty() && !GoodCopySurvives(now)) {
      return "1. a good copy survives";
    }
    for (const auto& [path, file] : now) {
      if (!Scratch(path) && !Journal(path) && !versions_.contains(file.content)) {
        return "2. nothing half-written is taken for whole: " + path;
      }
    }
    if (!crashed && !SettingsAreOneVersion(now)) {
      return "3. settings are one version";
    }
    for (const Claim& claim : routine_.claims) {
      if (office.Says(claim.said) &&
          (claim.path.empty() || office.Content(claim.path).find(claim.bytes) == std::string::npos)) {
        return "4. no false success: " + claim.said;
      }
    }
    for (const auto& [path, file] : start_) {
      const bool owned = std::ranges::find(routine_.owned, path) != routine_.owned.end();
      const auto after = now.find(path);
      if (!owned && (after == now.end() || after->second.content != file.content ||
                     after->second.readOnly != file.readOnly || after->second.hidden != file.hidden)) {
        return "5. nothing foreign is touched: " + path;
      }
    }
    return "";
  }

  // Content and attributes, without the logs, which every run adds to, and without creation times.
  static std::map<std::string, std::tuple<std::string, bool, bool>> Contents(const Files& files) {
    std::map<std::string, std::tuple<std::string, bool, bool>> contents;
    for (const auto& [path, file] : files) {
      if (!path.ends_with(".log")) {
        contents[Lower(path)] = {file.content, file.readOnly, file.hidden};
      }
    }
    return contents;
  }

 private:
  bool GoodCopySurvives(const Files& now) const {
    const std::string name = Lower(routine_.database.substr(routine_.database.rfind('\\') + 1));
    std::vector<std::string> good = routine_.good;
    good.push_back(start_.at(routine_.database).content);
    return std::ranges::any_of(now, [&](const auto& entry) {
      return !Scratch(entry.first) && Lower(entry.first).ends_with(name) &&
             std::ranges::find(good, entry.second.content) != good.end();
    });
  }
  bool SettingsAreOneVersion(const Files& now) const {
    std::set<bool> versions;  // true: the new one
    for (std::size_t i = 0; i < std::size(kSettings); ++i) {
      const std::string& content = now.count(kSettings[i]) ? now.at(kSettings[i]).content : "";
      const std::string& old = start_.at(kSettings[i]).content;
      if (content != old && content != newSettings_[i]) {
        return false;
      }
      if (old != newSettings_[i]) {
        versions.insert(content == newSettings_[i]);
      }
    }
    return versions.size() <= 1;
  }

  const Routine& routine_;
  Files start_;
  std::set<std::string> versions_;  // every whole file the routine starts with or makes
  std::vector<std::string> newSettings_;
};

TEST(CrashPoints, NoRefusalOrCrashAtAnyStepLosesAGoodCopyOrLeavesAnythingHalfDone) {
  std::string crashes = "crash points:", refusals = "refusal points:";
  for (const Routine& routine : kRoutines) {
    SCOPED_TRACE(routine.name);
    Office clean(routine.accessLeaves);
    const Files start = clean.Disk();
    clean.Do(routine.run);
    const Invariants invariants(routine, start, clean.Disk());
    ASSERT_EQ(invariants.Broken(clean), "") << "without a fault";
    const int calls = clean.platform.diskCalls;
    int crashesOk = 0, refusalsOk = 0;
    for (int at = 1; at <= calls; ++at) {
      for (const DiskFault fault : {DiskFault::Refuse, DiskFault::Crash}) {
        Office office(routine.accessLeaves);
        office.platform.diskFault = fault;
        office.platform.faultAt = at;
        office.Do(routine.run);
        const std::string point = std::string(fault == DiskFault::Crash ? "crash" : "refusal") + " at call " +
                                  std::to_string(at) + " (" + clean.platform.diskCall[at - 1] + ")";
        std::string broken = invariants.Broken(office, fault == DiskFault::Crash);
        if (broken.empty() && fault == DiskFault::Crash) {
          office.NextProcess();
          office.Do(routine.recover);
          broken = invariants.Broken(office);
          const Files recovered = office.Disk();
          if (broken.empty() && std::ranges::any_of(recovered, [](const auto& f) {
                return Journal(f.first) && !f.first.ends_with(".log");
              })) {
            broken = "6. recovery ends: a marker is left";
          }
          office.NextProcess();
          office.Do(routine.recover);
          if (broken.empty() && Invariants::Contents(office.Disk()) != Invariants::Contents(recovered)) {
            broken = "6. recovery ends: a second recovery changed something";
          }
        }
        EXPECT_EQ(broken, "") << routine.name << ", " << point;
        (fault == DiskFault::Crash ? crashesOk : refusalsOk) += broken.empty();
      }
    }
    crashes += std::string(" ") + routine.name + " " + std::to_string(crashesOk) + "/" + std::to_string(calls) + " ok,";
    refusals +=
        std::string(" ") + routine.name + " " + std::to_string(refusalsOk) + "/" + std::to_string(calls) + " ok,";
  }
  crashes.pop_back();
  refusals.pop_back();
  std::cout << crashes << "\n" << refusals << "\n";
}

}  // namespace
}  // namespace corvane::testing
