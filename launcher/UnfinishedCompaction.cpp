// The marker no process holds: the database still open, nothing to check against, or the check and its outcome.
#include "launcher/UnfinishedCompaction.h"

#include "launcher/CompactionCheck.h"
#include "launcher/InUse.h"
#include "platform/Failure.h"

namespace corvane {

namespace {

// Access still at work after the Corvane that started it was ended holds the database open.
bool StillOpen(Platform& platform, const std::string& database) {
  try {
    return WhereInUse(platform, database).has_value();
  } catch (const PlatformError&) {
    return true;  // what cannot be opened may be Access's still
  }
}

void DeleteMarker(Platform& platform, const Selection& app) {
  try {
    platform.DeleteFile(CompactingMarkerPath(app));
  } catch (const PlatformError&) {
    // Left for the next look, which finds the database as this one did.
  }
}

// "A compaction of <file name> begun by <user> on <computer> at <HH:MM> did not finish"
std::string DidNotFinish(const std::string& fileName, const Compactor& compactor) {
  return "A compaction of " + fileName + " begun " + ByWhom(compactor) +
         (compactor.known ? " at " + compactor.Since() : "") + " did not finish";
}

// "unfinished compaction of <YYYY-MM-DD HH:MM>", or "... by another user" where the marker names no one.
std::string Unfinished(const Compactor& compactor) {
  return "unfinished compaction " + (compactor.known ? "of " + compactor.began : ByWhom(compactor));
}

}  // namespace

MarkerFinding FinishUnfinishedCompaction(Platform& platform, const Selection& app) {
  const MarkerOnDisk marker = LookAtMarker(platform, app);
  MarkerFinding finding{.compactor = marker.compactor, .reason = {}, .safetyCopy = SafetyCopyPath(app)};
  if (marker.kind == MarkerOnDisk::Kind::None) {
    return finding;
  }
  if (marker.kind == MarkerOnDisk::Kind::Unseen) {
    finding.kind = MarkerFinding::Kind::Unseen;
    finding.reason = marker.why;
    return finding;
  }
  if (marker.kind == MarkerOnDisk::Kind::Held || StillOpen(platform, app.FullPath)) {
    finding.kind = MarkerFinding::Kind::BeingCompacted;
    return finding;
  }
  // A restore puts a whole file in place in one step, so one left unfinished left nothing half done. Without a safety
  // copy nothing was copied, so Access never started.
  if (marker.compactor.restoring || !platform.Exists(finding.safetyCopy, Lookup::NormalFiles)) {
    DeleteMarker(platform, app);
    return finding;
  }
  const std::string before = DidNotFinish(app.AppName, marker.compactor);
  std::optional<std::string> fault;
  try {
    fault = FaultAfterCompaction(platform, app.FullPath, AccessSignature(platform, finding.safetyCopy));
  } catch (const PlatformError& failure) {
    throw ProgramError(before + ", and its check failed: " + failure.what() + KeptAt(finding.safetyCopy));
  }
  if (fault) {
    finding.reason = *fault;
    try {
      RestoreFromSafetyCopy(platform, app);
    } catch (const std::exception& failure) {
      throw ProgramError(before + ", and " + *fault + ". The database could not be restored: " + failure.what() +
                         KeptAt(finding.safetyCopy));
    }
  }
  finding.kind = fault ? MarkerFinding::Kind::Restored : MarkerFinding::Kind::Passed;
  DeleteMarker(platform, app);
  return finding;
}

std::string UnfinishedCompactionOutcome(const MarkerFinding& finding) {
  if (finding.kind == MarkerFinding::Kind::Restored) {
    return "failed: " + Unfinished(finding.compactor) + ": " + finding.reason + "; restored from " + finding.safetyCopy;
  }
  const std::string where = finding.compactor.known ? " on " + finding.compactor.computer : "";
  return "ok: " + Unfinished(finding.compactor) + where + " passed its check";
}

std::string CannotLookMessage(const Selection& app, const std::string& why) {
  return "Corvane cannot look into " + BackupFolderOf(app.AppPath) + " (" + WithoutFullStop(why) +
         "), so it cannot tell whether " + app.AppName + " is being compacted. Nothing was done.";
}

bool ClearOfCompaction(Desktop& platform, const Selection& app, Purpose purpose) {
  const MarkerFinding finding = FinishUnfinishedCompaction(platform, app);
  switch (finding.kind) {
    case MarkerFinding::Kind::Free:
      return true;
    case MarkerFinding::Kind::Unseen:
      if (purpose == Purpose::Copy) {
        platform.ShowMessage(CannotLookMessage(app, finding.reason), std::string(kWarningTitle), Buttons::Ok);
      }
      return purpose == Purpose::Open;
    case MarkerFinding::Kind::BeingCompacted:
      ShowInfo(platform, BeingCompactedMessage(app.AppName, finding.compactor));
      return false;
    case MarkerFinding::Kind::Passed:
      ShowInfo(platform, DidNotFinish(app.AppName, finding.compactor) + ". The database passed its check.");
      return true;
    case MarkerFinding::Kind::Restored:
      platform.ShowMessage(DidNotFinish(app.AppName, finding.compactor) + ", and " + finding.reason +
                               ". The database was restored from the copy taken before compaction.",
                           std::string(kWarningTitle), Buttons::Ok);
      return true;
  }
  return true;
}

}  // namespace corvane
