// Every call by which a routine changes the disk, refused and crashed at in turn. After each refusal, and after each
// crash and the next click or run that follows it, a good copy of the database survives, no real name holds half a
// file, the settings are one version, nothing claims work that did not happen and a refusal that left work undone is
// told, nothing outside the routine is touched, and the recovery leaves no marker and is done once.
#include <algorithm>
#include <iostream>
#include <memory>
#include <set>

#include "HostTest.h"
#include "unattended/RunUnattended.h"

namespace corvane::testing {
namespace {

using DiskFault = FakePlatform::DiskFault;
using Files = std::map<std::string, FakePlatform::File>;  // by path as first given

const std::string kDb = "C:\\Apps\\App1", kArc = "C:\\Apps\\ArcBackup\\", kSafetyCopy = kArc + "PreCompact_App1";
const std::string kToday = kArc + "Arc12526App1", kMaster = "\\\\server\\apps\\App2";
const std::string kLocal = "C:\\Users\\Ann\\Copies\\App2\\App2";
const std::string kJet = std::string(4, '\0') + "Standard Jet DB" + std::string(4077, 'j');
// No version is half of another: a copy cut short is never taken for a whole file.
const std::string kCompacted = kJet.substr(0, 19) + std::string(2029, 'c'), kRuined = kJet.substr(0, 2047);
const std::string kDated = kJet.substr(0, 19) + std::string(2029, 'd');  // the copy of 3 December
const std::vector<std::string> kSettings = {"C:\\CorvaneAppNames.txt", "C:\\CorvanePaths.txt",
                                            "C:\\CorvaneAppAlias.txt", "C:\\CorvaneLocalCopies.txt"};
constexpr std::string_view kSilent = "(nothing said)";

// Names whose content is the program's own affair until it is renamed to a real one.
bool Scratch(const std::string& path) {
  return path.ends_with(".partial") || path.ends_with(".new") || path.ends_with(".old");
}
// The file a disk call ("CopyFile C:\\...") works on, by the name a person knows it by.
std::string RealName(std::string call) {
  call.erase(0, call.find(' ') + 1);
  return Scratch(call) ? call.substr(0, call.rfind('.')) : call;
}
// Files that are appended to, or that say who is at work, rather than hold a version of something.
bool Journal(const std::string& path) {
  return path.ends_with(".log") || path.ends_with(".saving") || path.find("Compacting_") != std::string::npos;
}

// Content and attributes by lower-case path, without creation times and logs; `real`: under real names only.
std::map<std::string, std::tuple<std::string, bool, bool>> Shape(const Files& files, bool real = false) {
  std::map<std::string, std::tuple<std::string, bool, bool>> shape;
  for (const auto& [path, file] : files) {
    if (!path.ends_with(".log") && !(real && (Scratch(path) || Journal(path)))) {
      std::string key = path;
      std::ranges::transform(key, key.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
      shape[key] = {file.content, file.readOnly, file.hidden};
    }
  }
  return shape;
}

// An office: slot 1 is App1 in C:\Apps, with a safety copy and three dated copies, one read-only, beside slot 3's;
// slot 2 runs a local copy of its master on the server.
struct Office {
  FakeDesktop platform;
  std::unique_ptr<Program> program;
  bool closedSilently = false;
  int exitCode = -1;  // of a command line

  explicit Office(const std::string& accessLeaves) {
    std::vector<std::string> paths(13, "C:\\Apps"), ticks(kSlotCount, "No");
    paths[1] = "\\\\server\\apps";
    ticks[1] = "Yes";
    ticks.push_back("C:\\Users\\Ann\\Copies");
    platform.AddFile(kSettings[0], SlotLine("App", {"", "", "Title"}));
    platform.AddFile(kSettings[1], FormatSettingsLine(paths));
    platform.AddFile(kSettings[2], SlotLine("Slot "));
    platform.AddFile(kSettings[3], FormatSettingsLine(ticks));
    platform.AddFile(kAccess);
    platform.AddFile(kDb, kJet);
    platform.AddFile(kSafetyCopy, kJet.substr(0, 19) + std::string(2029, 'p')).created = {2026, 11, 1};
    platform.AddFile(kArc + "Arc11526App1", kJet).created = {2026, 11, 5};
    platform.AddFile(kArc + "Arc12326App1", kDated).created = {2026, 12, 3};
    platform.AddFile(kArc + "Arc12426App1", kJet).readOnly = true;
    platform.AddFile(kArc + "Arc12426App3", kJet);
    platform.AddFile(kMaster, kJet + "v2").lastWrite = 6;
    platform.AddFile(kLocal, kJet + "v1").lastWrite = 5;
    platform.environment = {{"COMPUTERNAME", "PC1"}, {"USERNAME", "ann"}};
    if (!accessLeaves.empty()) {
      platform.whileWaited = [this, accessLeaves] { platform.AddFile(kDb, accessLeaves); };
    }
    program = std::make_unique<Program>(platform);
  }

  Files Disk() {
    Files files;
    for (const std::string& path : platform.FilePaths()) {
      files[path] = platform.FileAt(path);
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
      exitCode = RunUnattended(platform, what);
      return;
    }
    program->Start();
    FakeWindow& launcher = *platform.Form("frmCorvane");
    if (what[0].starts_with("CmdOpen")) {
      launcher.Fire(what[0], Event::Click);
      return;
    }
    if (what[0] == "start") {
      return;
    }
    launcher.Fire("CmdOpenSupport", Event::Click);
    FakeWindow& support = *platform.Form("frmSupport11");
    if (what[0] != "save") {
      support.SetChecked("Check1", true);
      platform.Answer(Answer::Ok);
      support.Fire(what[0], Event::Click);
      return;
    }
    support.Fire("CmdEditPaths", Event::Click);
    FakeWindow& editor = *platform.Form("frmPaths11");
    for (const auto& [box, text] : {std::pair{"cTitle", "New title"},
                                    {"cHLPath12", "http://new"},
                                    {"cAlias0", "New slot"},
                                    {"cLocalPath", "C:\\Users\\Ann\\New"}}) {
      editor.SetText(box, text);
    }
    editor.Fire("CmdSaveClose", Event::Click);
    closedSilently = platform.diskFault != DiskFault::Crash && platform.messages.empty();
  }
};

// What a run says only when it is so: where it says `said`, `path` holds `bytes` (a `path` of "": never so).
struct Claim {
  std::string said, path, bytes;
};

// One routine of the harness: how it runs, how the next click or run recovers from its crash, what it may change,
// and what it must never claim without the files to show for it.
struct Routine {
  const char* name;
  std::string accessLeaves;  // the database as the stand-in Access leaves it ("": Access changes nothing)
  std::vector<std::string> run, recover;
  std::string database;            // whose last good bytes survive ("": none)
  std::vector<std::string> good;   // its good bytes besides those it starts with
  std::vector<std::string> owned;  // the starting files it may change; no other may change
  std::vector<Claim> claims;
};

const std::vector<std::string> kSlotOne = {kDb, kSafetyCopy}, kKeep = {"/backup", "1", "/keep", "2"};
const std::string kCompactOk = "\tcompact\t" + kDb + "\tok", kRestoreOk = "\trestore\t" + kDb + "\tok";

// clang-format off
const Routine kRoutines[] = {
    // name, what Access leaves, run, recovery, database, its good bytes, what it may change, what it must not claim
    {"compact-button", kCompacted, {"CmdCompact"}, {"CmdOpen1"}, kDb, {kCompacted}, kSlotOne,
     {{"File Size After", kDb, kCompacted}}},
    {"compact-button-ruined", kRuined, {"CmdCompact"}, {"CmdOpen1"}, kDb, {}, kSlotOne,
     {{"File Size After", "", ""}, {"was restored from", kDb, kJet}}},
    {"compact-unattended", kCompacted, {"/compact", "1"}, {"/backup", "1"}, kDb, {kCompacted}, kSlotOne,
     {{kCompactOk, kDb, kCompacted}}},
    {"compact-unattended-ruined", kRuined, {"/compact", "1"}, {"/backup", "1"}, kDb, {}, kSlotOne,
     {{kCompactOk, "", ""}, {"restored from", kDb, kJet}}},
    {"backup-button", "", {"CmdBackup"}, {"CmdOpen1"}, kDb, {}, {},
     {{"Copy Done", kToday, kJet}, {"New Copy", kToday, kJet}}},
    {"backup-keep", "", kKeep, kKeep, kDb, {}, {kArc + "Arc11526App1", kArc + "Arc12326App1"},
     {{"\tbackup\t" + kDb + "\tok", kToday, kJet}}},
    {"restore", "", {"/restore", "1", "Arc12326App1"}, {"CmdOpen1"}, kDb, {}, kSlotOne,
     {{kRestoreOk, kDb, kDated}, {kRestoreOk, kArc + "BeforeRestore_App1", kJet}, {"A compaction of", "", ""}}},
    {"local-copy", "", {"CmdOpen2"}, {"CmdOpen2"}, kLocal, {kJet + "v2"}, {kLocal}, {}},
    {"save", "", {"save"}, {"start"}, "", {}, kSettings, {{std::string(kSilent), kSettings[0], "New title"}}},
};
// clang-format on

// What one run left against what the routine starts with and leaves without a fault: the broken invariant, or "".
class Invariants {
 public:
  Invariants(const Routine& routine, Files start, Files done)
      : routine_(routine), start_(std::move(start)), done_(std::move(done)) {
    for (const Files* files : {&start_, &done_}) {
      for (const auto& [path, file] : *files) {
        if (!Journal(path)) {
          versions_.insert(file.content);
        }
      }
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
    if (office.platform.diskFault == DiskFault::Refuse && Shape(now, true) != Shape(done_, true) &&
        (office.exitCode == 0 || !office.Says("The device is not ready.") ||
         !office.Says(RealName(office.platform.diskCalls.at(office.platform.faultAt - 1))))) {
      return "4. no false success: a refusal that left the work undone is not told, by the file's name and exit code";
    }
    for (const auto& [path, file] : start_) {
      const auto after = now.find(path);
      if (std::ranges::find(routine_.owned, path) == routine_.owned.end() &&
          (after == now.end() || Shape({*after}) != Shape({{path, file}}))) {
        return "5. nothing foreign is touched: " + path;
      }
    }
    return "";
  }

 private:
  bool GoodCopySurvives(const Files& now) const {
    std::vector<std::string> good = routine_.good;
    good.push_back(start_.at(routine_.database).content);
    const std::string name = routine_.database.substr(routine_.database.rfind('\\') + 1);
    return std::ranges::any_of(now, [&](const auto& file) {
      return !Scratch(file.first) && file.first.ends_with(name) && std::ranges::count(good, file.second.content);
    });
  }
  // Each settings file holds its old bytes or its new ones, and all that changed hold the same.
  bool SettingsAreOneVersion(const Files& now) const {
    std::set<bool> versions;  // true: the new one
    for (const std::string& path : kSettings) {
      const std::string &content = now.at(path).content, &old = start_.at(path).content, &made = done_.at(path).content;
      if (content != old && content != made) {
        return false;
      }
      if (old != made) {
        versions.insert(content == made);
      }
    }
    return versions.size() <= 1;
  }

  const Routine& routine_;
  Files start_, done_;
  std::set<std::string> versions_;  // every whole file the routine starts with or makes
};

TEST(CrashPoints, NoRefusalOrCrashAtAnyStepLosesAGoodCopyOrLeavesAnythingHalfDone) {
  std::string crashes = "crash points:", refusals = "refusal points:";
  for (const Routine& routine : kRoutines) {
    Office clean(routine.accessLeaves);
    Files start = clean.Disk();
    clean.Do(routine.run);
    const Invariants invariants(routine, std::move(start), clean.Disk());
    ASSERT_EQ(invariants.Broken(clean), "") << routine.name << " without a fault";
    const int calls = static_cast<int>(clean.platform.diskCalls.size());
    int unbroken[2] = {0, 0};  // after refusals, after crashes
    for (int at = 1; at <= calls; ++at) {
      for (const DiskFault fault : {DiskFault::Refuse, DiskFault::Crash}) {
        const bool crash = fault == DiskFault::Crash;
        Office office(routine.accessLeaves);
        office.platform.diskFault = fault;
        office.platform.faultAt = at;
        office.Do(routine.run);
        office.platform.EndAtTheCrash();
        std::string broken = invariants.Broken(office, crash);
        if (broken.empty() && crash) {
          office.NextProcess();
          office.Do(routine.recover);
          broken = invariants.Broken(office);
          const Files recovered = office.Disk();
          if (broken.empty() && std::ranges::any_of(recovered, [](const auto& file) {
                return Journal(file.first) && !file.first.ends_with(".log");
              })) {
            broken = "6. recovery ends: a marker is left";
          }
          office.NextProcess();
          office.Do(routine.recover);
          if (broken.empty() && Shape(office.Disk()) != Shape(recovered)) {
            broken = "6. recovery ends: a second recovery changed something";
          }
        }
        EXPECT_EQ(broken, "") << routine.name << ", " << (crash ? "crash" : "refusal") << " at call " << at << " ("
                              << clean.platform.diskCalls[at - 1] << ")";
        unbroken[crash] += broken.empty();
      }
    }
    const std::string counts = "/" + std::to_string(calls) + " ok,";
    crashes += std::string(" ") + routine.name + " " + std::to_string(unbroken[1]) + counts;
    refusals += std::string(" ") + routine.name + " " + std::to_string(unbroken[0]) + counts;
  }
  crashes.pop_back();
  refusals.pop_back();
  std::cout << crashes << "\n" << refusals << "\n";
}

}  // namespace
}  // namespace corvane::testing
