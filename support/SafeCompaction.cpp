// The safe compaction's steps, in the one order both the Compact button and /compact follow.
#include "support/SafeCompaction.h"

#include "launcher/CompactingMarker.h"
#include "launcher/CompactionCheck.h"
#include "platform/Failure.h"
#include "platform/ReplaceViaScratch.h"

namespace corvane {

Room RoomFor(const Volume& volume, std::uint64_t databaseBytes) {
  return {volume.name, 2 * databaseBytes, volume.freeBytes};
}

std::string NotEnoughRoomMessage(const std::string& fileName, const Room& room) {
  return "There is not enough free space on " + room.volume + " to compact " + fileName +
         " safely: " + std::to_string(room.NeededMegabytes()) + " MB are needed and " +
         std::to_string(room.FreeMegabytes()) + " MB are free. Compaction was not started.";
}

std::string NotEnoughRoomOutcome(const Room& room) {
  return "skipped: not enough free space (" + std::to_string(room.NeededMegabytes()) + " MB needed, " +
         std::to_string(room.FreeMegabytes()) + " MB free)";
}

std::string NotAccessMessage(const std::string& fileName, const std::string& safetyCopy) {
  return fileName + " is no longer an Access database, so it was not compacted. The copy taken before its last " +
         "compaction is kept at " + safetyCopy + ".";
}

std::string NotAccessOutcome(const std::string& safetyCopy) {
  return "failed: not an Access database; the copy taken before the last compaction is kept at " + safetyCopy;
}

CompactionResult CompactSafely(Platform& platform, const Selection& app, const AccessRun& runAccess) {
  const std::string& database = app.FullPath;
  CompactionResult result;
  result.safetyCopy = SafetyCopyPath(app);
  // A database ruined since its last compaction must not replace the one good copy of it.
  if (platform.Exists(result.safetyCopy, Lookup::NormalFiles) &&
      !AccessSignature(platform, result.safetyCopy).empty() && !IsWholeAccessFile(platform, database)) {
    result.kind = CompactionResult::Kind::NotAccess;
    return result;
  }
  result.room = RoomFor(platform.VolumeOf(database), platform.FileSize(database));
  if (!result.room.Enough()) {
    return result;
  }
  CompactingMarker marker(platform, app);
  const std::string signature = AccessSignature(platform, database);
  CopyInto(platform, database, result.safetyCopy);

  const std::optional<std::uint32_t> exitCode = runAccess();
  if (!exitCode) {
    // Ending Access halfway could ruin the database: whoever looks once it has ended checks it.
    marker.LeaveForTheNextComer();
    result.kind = CompactionResult::Kind::StillRunning;
    return result;
  }
  result.exitCode = *exitCode;
  std::optional<std::string> fault;
  try {
    fault = FaultAfterCompaction(platform, database, signature);
  } catch (const PlatformError& failure) {
    marker.LeaveForTheNextComer();
    throw ProgramError(failure.what() + KeptAt(result.safetyCopy));
  }
  if (!fault) {
    result.kind = CompactionResult::Kind::Passed;
    return result;
  }
  result.reason = *fault;
  try {
    RestoreFromSafetyCopy(platform, app);
  } catch (const std::exception& failure) {
    marker.LeaveForTheNextComer();
    throw ProgramError("Compaction of " + app.AppName + " failed: " + result.reason +
                       ". The database could not be restored: " + failure.what() + KeptAt(result.safetyCopy));
  }
  result.kind = CompactionResult::Kind::Restored;
  return result;
}

}  // namespace corvane
