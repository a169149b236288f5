// The unattended run: the launcher's own backup and compaction steps, each outcome written to the slot's log.
#include "unattended/RunUnattended.h"

#include <vector>

#include "launcher/CompactionCheck.h"
#include "launcher/InUse.h"
#include "launcher/UnfinishedCompaction.h"
#include "locate/ExternalPrograms.h"
#include "locate/Locate.h"
#include "platform/Failure.h"
#include "settings/LoadSettings.h"
#include "settings/ModuleState.h"
#include "settings/SelectApp.h"
#include "settings/SettingsFields.h"
#include "support/Backup.h"
#include "support/Compact.h"
#include "support/KeepCopies.h"
#include "support/Restore.h"
#include "support/SafeCompaction.h"
#include "support/SameFolder.h"
#include "unattended/LogLine.h"
#include "unattended/UnattendedRequest.h"

namespace corvane {

namespace {

// The console is the run's voice while someone watches; a console that cannot be written stops nothing.
void Say(Platform& platform, const std::string& line) {
  try {
    platform.WriteConsole(line);
  } catch (const std::exception&) {
  }
}

// A run that did not wholly succeed reaches the administrator in the Application log: an error where anything failed
// or the command line was refused, a warning where slots were only skipped. An event that cannot be written changes
// nothing of the run.
void ReportToEventLog(Platform& platform, int exitCode, const std::string& said) {
  if (exitCode == 0) {
    return;
  }
  const bool failed = exitCode == 2 || said.find("\tfailed: ") != std::string::npos;
  try {
    platform.ReportEvent(failed ? EventKind::Error : EventKind::Warning, said);
  } catch (const std::exception&) {
  }
}

// "/register", run as an administrator, makes the source of the events known to Windows.
int Register(Platform& platform) {
  try {
    platform.RegisterEventSource();
    Say(platform, "The event source Corvane is registered.\r\n");
    return 0;
  } catch (const std::exception& refusal) {
    Say(platform, std::string(refusal.what()) + "\r\n");
    return 1;
  }
}

class UnattendedRun {
 public:
  UnattendedRun(Platform& platform, const UnattendedRequest& request) : platform_(platform), request_(request) {}

  // What the run wrote to the console, for the event of a run that did not wholly succeed.
  const std::string& Said() const { return said_; }

  int Run() {
    settingsProblems_ = ReadSettings(platform_, state_.LauncherSettings);
    // Which applications run from local copies concerns only the launcher: backups and compaction work on the
    // masters, whatever that file holds.
    std::erase_if(settingsProblems_, [](const SettingsProblem& problem) { return IsOptionalFile(problem.file); });
    failed_ = !settingsProblems_.empty();
    // Whatever the run goes on to touch, the console tells what it could not read.
    for (const SettingsProblem& problem : settingsProblems_) {
      Console(LogLine(platform_.Now(), Action(), problem.file, "failed: " + problem.description));
    }
    if (request_.action == Maintenance::Compact) {
      access_ = FindAccess(platform_);
    }
    const std::vector<int> slots = Slots();
    if (request_.allSlots && slots.empty()) {
      Console(LogLine(platform_.Now(), Action(), "", "failed: no slot has a database"));
      return 1;
    }
    for (int slot : slots) {
      if (!Select(slot)) {
        continue;
      }
      NoteSettingsProblems();
      if (request_.action == Maintenance::Restore) {
        if (!Restore()) {
          return 2;
        }
      } else if (request_.action == Maintenance::Backup) {
        Backup(slot);
      } else if (stillCompacting_) {
        // No further compaction may start beside the Access still at work.
        failed_ = true;
        Log("compact", app_.FullPath, "skipped: Access is still compacting " + *stillCompacting_);
      } else {
        Compact();
      }
    }
    return failed_ ? 1 : 0;
  }

 private:
  std::string_view Action() const {
    switch (request_.action) {
      case Maintenance::Backup:
        return "backup";
      case Maintenance::Compact:
        return "compact";
      case Maintenance::Restore:
      case Maintenance::Register:
        break;
    }
    return "restore";
  }

  // "all" means every slot whose database exists; a named slot's missing database is that slot's failure.
  std::vector<int> Slots() {
    if (!request_.allSlots) {
      return request_.slots;
    }
    std::vector<int> slots;
    for (int slot = 0; slot < kSlotCount; ++slot) {
      const Selection app = Shortcuts11::SelectApp(state_.LauncherSettings, slot);
      if (app.HasDatabase() && Probe(platform_, app.FullPath)) {
        slots.push_back(slot);
      } else if (app.HasDatabase()) {
        // A database that has gone is no failure of the run, but should not go unseen.
        Console(LogLine(platform_.Now(), Action(), app.FullPath, "skipped: no database at " + app.FullPath));
      }
    }
    return slots;
  }

  // Selects a named slot, whose log the run writes to from then on; one without a database fails, and one without a
  // folder has no log to say so in.
  bool Select(int slot) {
    app_ = Shortcuts11::SelectApp(state_.LauncherSettings, slot);
    if (app_.HasDatabase()) {
      return true;
    }
    failed_ = true;
    if (!IsFullFolder(app_.AppPath)) {
      Console(LogLine(platform_.Now(), Action(), app_.AppName,
                      "failed: slot " + std::to_string(slot + 1) + " has no folder"));
    } else {
      Fail(Action(), app_.AppPath, ProgramError(NoDatabaseMessage(app_, slot)));
    }
    return false;
  }

  void Backup(int slot) {
    const std::string database = app_.FullPath;
    try {
      // A compaction that did not finish may have taken the database away: it is put back first.
      if (!MayTouch("backup")) {
        return;
      }
      RequireDatabase(database);
      const BackupTarget target = PrepareBackup(platform_, state_.LauncherSettings, slot);
      // A copy of a database in use may not be consistent: it is made all the same, and the run says so.
      const auto where = WhereInUse(platform_, database);
      // A scheduled task may run twice a day: the day's copy is replaced without asking.
      CopyInto(platform_, target.source, target.path);
      failed_ = failed_ || where.has_value();
      Log("backup", database, where ? "ok: in use " + *where + ", the copy may not be consistent" : "ok",
          {target.path, std::to_string(platform_.FileSize(target.path))});
      DeleteOldCopies(target, where.has_value());
    } catch (const std::exception& failure) {
      Fail("backup", database, failure);
    }
  }

  // Finishes a compaction whose end no one saw, and says what it found. False when the database is being compacted
  // and the slot must be left alone.
  bool MayTouch(std::string_view action) {
    MarkerFinding finding;
    try {
      finding = FinishUnfinishedCompaction(platform_, app_);
    } catch (const std::exception& failure) {
      Fail("check", app_.FullPath, failure);
      return false;
    }
    switch (finding.kind) {
      case MarkerFinding::Kind::Free:
        return true;
      case MarkerFinding::Kind::Unseen:
        failed_ = true;
        Log(action, app_.FullPath, "skipped: cannot look into " + BackupFolderOf(app_.AppPath) + ": " + finding.reason);
        return false;
      case MarkerFinding::Kind::BeingCompacted:
        failed_ = true;
        if (action == "backup") {
          Log(action, app_.FullPath, "skipped: being compacted " + ByWhom(finding.compactor));
        } else {
          Log(action, app_.FullPath, "failed: " + BeingCompactedMessage(app_.AppName, finding.compactor));
        }
        return false;
      case MarkerFinding::Kind::Passed:
      case MarkerFinding::Kind::Restored:
        failed_ = failed_ || finding.kind == MarkerFinding::Kind::Restored;
        Log("check", app_.FullPath, UnfinishedCompactionOutcome(finding));
        return true;
    }
    return true;
  }

  // Keeps the newest copies, and every copy where the new one may not be worth one of them.
  void DeleteOldCopies(const BackupTarget& target, bool takenInUse) {
    if (request_.keep == 0) {
      return;
    }
    const std::string folder = BackupFolderOf(app_.AppPath);
    const auto sameName = [&](std::string_view a, std::string_view b) { return platform_.SameFileName(a, b); };
    const std::vector<BackupCopy> copies = platform_.ListFiles(folder);
    const std::vector<std::string> neighbours =
        NamesBackedUpInto(platform_, state_.LauncherSettings, {app_.AppName, app_.AppPath, ""}, copies);
    const KeepRule rule{app_.AppName, neighbours, target.name, request_.keep, platform_.Now()};
    const KeepPlan plan = CopiesToDelete(copies, rule, sameName);
    for (const auto& [name, why] : plan.setAside) {
      Log("keep", folder + "\\" + name, "kept: " + why);
    }
    if (takenInUse) {
      Log("keep", target.path, "kept all: the new copy may not be consistent");
      return;
    }
    if (plan.newestOlder && !IsWholeAccessFile(platform_, target.path) &&
        IsWholeAccessFile(platform_, folder + "\\" + *plan.newestOlder)) {
      failed_ = true;
      Log("keep", target.path, "kept all: the new copy is not an Access database");
      return;
    }
    for (const std::string& name : plan.doomed) {
      const std::string path = folder + "\\" + name;
      try {
        platform_.DeleteFile(path);
        Log("delete", path, "ok");
      } catch (const std::exception& failure) {
        Fail("delete", path, failure);
      }
    }
  }

  void Compact() {
    const std::string database = app_.FullPath;
    try {
      if (!access_) {
        throw ProgramError("Can not find MSAccess.exe");
      }
      if (!MayTouch("compact")) {
        return;
      }
      RequireDatabase(database);
      if (const auto where = WhereInUse(platform_, database)) {
        Log("compact", database, "skipped: in use " + *where);
        failed_ = true;
        return;
      }
      std::uint64_t before = 0;
      const CompactionResult result = CompactSafely(platform_, app_, [&] {
        before = platform_.FileSize(database);
        return StartRecorded(platform_, state_, *access_, CompactCommandLine(*access_, database), Wait::UntilEnded,
                             request_.waitMinutes);
      });
      Report(database, result, before);
    } catch (const std::exception& failure) {
      Fail("compact", database, failure);
    }
  }

  // False for a copy that is none of the slot's backups: a command line the run does not accept, which changes nothing.
  bool Restore() {
    const std::string& database = app_.FullPath;
    const std::string copy = BackupFolderOf(app_.AppPath) + "\\" + request_.copy;
    try {
      if (!IsRestorableCopy(platform_, app_, request_.copy) || !platform_.Exists(copy, Lookup::NormalFiles)) {
        Console(std::string(kUsage) + "\r\n");
        return false;
      }
      if (!MayTouch("restore")) {
        return true;
      }
      const RestoreResult result = RestoreFromCopy(platform_, app_, copy);
      if (!result.inUse.empty()) {
        failed_ = true;
        Log("restore", database, "skipped: in use " + result.inUse);
      } else {
        Log("restore", database, "ok", {copy, std::to_string(result.bytesCopied)});
      }
    } catch (const std::exception& failure) {
      Fail("restore", database, failure);
    }
    return true;
  }

  void Report(const std::string& database, const CompactionResult& result, std::uint64_t before) {
    using Kind = CompactionResult::Kind;
    failed_ = failed_ || result.kind != Kind::Passed || result.exitCode != 0;
    switch (result.kind) {
      case Kind::NotAccess:
        Log("compact", database, NotAccessOutcome(result.safetyCopy));
        return;
      case Kind::NoRoom:
        Log("compact", database, NotEnoughRoomOutcome(result.room));
        return;
      case Kind::StillRunning:
        // Access is left to finish: ending it halfway could ruin the database. Its marker stays for whoever looks
        // next, who checks the database once Access has let it go.
        stillCompacting_ = database;
        Log("compact", database,
            "failed: Access has not ended after " + std::to_string(request_.waitMinutes) +
                " minutes. The copy taken before compaction is " + result.safetyCopy);
        return;
      case Kind::Restored:
        Log("compact", database, "failed: " + result.reason + "; restored from " + result.safetyCopy);
        return;
      case Kind::Passed:
        if (result.exitCode != 0) {
          Log("compact", database, "failed: Access ended with code " + std::to_string(result.exitCode));
        } else {
          Log("compact", database, "ok", {std::to_string(before), std::to_string(platform_.FileSize(database))});
        }
        return;
    }
  }

  void RequireDatabase(const std::string& database) {
    if (!Probe(platform_, database)) {
      throw ProgramError(CannotFindDatabase(app_.AppName));
    }
  }

  // The console has had them already.
  void NoteSettingsProblems() {
    for (const SettingsProblem& problem : settingsProblems_) {
      AppendToLog(LogLine(platform_.Now(), Action(), problem.file, "failed: " + problem.description));
    }
  }

  void Fail(std::string_view action, const std::string& path, const std::exception& failure) {
    failed_ = true;
    Log(action, path, std::string("failed: ") + failure.what());
  }

  // The log is the run's only voice, but never its master: a log that cannot be written stops no backup.
  void Log(std::string_view action, const std::string& path, const std::string& outcome,
           const std::vector<std::string>& extra = {}) {
    const std::string line = LogLine(platform_.Now(), action, path, outcome, extra);
    Console(line);
    AppendToLog(line);
  }

  void Console(const std::string& line) {
    said_ += line;
    Say(platform_, line);
  }

  // The selected slot's log, in its backup folder; a folder that is no full path is no place to write.
  void AppendToLog(const std::string& line) {
    if (!IsFullFolder(app_.AppPath)) {
      return;
    }
    try {
      platform_.AppendUtf8File(EnsureBackupFolder(platform_, app_.AppPath) + "\\Corvane.log", line);
    } catch (const std::exception&) {
    }
  }

  Platform& platform_;
  const UnattendedRequest& request_;
  Shortcuts11::State state_;
  Selection app_;  // the slot the run works on, whose log it writes
  std::vector<SettingsProblem> settingsProblems_;
  std::optional<std::string> access_;
  std::optional<std::string> stillCompacting_;  // the database Access was still compacting when the wait ran out
  bool failed_ = false;
  std::string said_;  // every line the console was given
};

}  // namespace

int RunUnattended(Platform& platform, std::span<const std::string> arguments) {
  const std::optional<UnattendedRequest> request = ParseUnattended(arguments);
  if (request && request->action == Maintenance::Register) {
    return Register(platform);
  }
  if (!request) {
    const std::string usage = std::string(kUsage) + "\r\n";
    Say(platform, usage);
    ReportToEventLog(platform, 2, usage);
    return 2;
  }
  UnattendedRun run(platform, *request);
  const int exitCode = run.Run();
  ReportToEventLog(platform, exitCode, run.Said());
  return exitCode;
}

}  // namespace corvane
