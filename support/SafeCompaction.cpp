// The safe compaction's steps, in the one order both the Compact button and /compact follow.
#include "support/SafeCompaction.h"

#include <array>

#include "launcher/CompactingMarker.h"
#include "platform/Failure.h"
#include "support/Backup.h"

namespace corvane {

namespace {

// An Access database is made of whole pages of this size, so a file cut short is not one.
constexpr std::uint64_t kPageBytes = 2048;
constexpr std::size_t kSignatureAt = 4, kSignatureBytes = 15;
constexpr std::array<std::string_view, 2> kSignatures = {"Standard Jet DB", "Standard ACE DB"};

constexpr std::string_view kMissing = "the database was missing afterwards";
constexpr std::string_view kEmpty = "the database was empty afterwards";
constexpr std::string_view kNotAccess = "the database was no longer an Access database afterwards";

std::string KeptAt(const std::string& safetyCopy) {
  return " The copy taken before compaction is kept at " + safetyCopy + ".";
}

// Moves what Access left aside for whoever wants to look at it, then copies the safety copy back, each file under a
// scratch name until it is whole. The safety copy stays.
void PutBack(Platform& platform, const Selection& app, const std::string& safetyCopy) {
  if (platform.Exists(app.FullPath, Lookup::NormalFiles)) {
    const std::string failed = FailedCompactPath(app);
    if (platform.Exists(failed, Lookup::NormalFiles)) {
      platform.MakeWritable(failed);
    }
    platform.ReplaceFile(app.FullPath, failed);
  }
  CopyInto(platform, safetyCopy, app.FullPath);
}

}  // namespace

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

std::string SafetyCopyPath(const Selection& app) {
  return BackupFolderOf(app.AppPath) + "\\PreCompact_" + app.AppName;
}

std::string FailedCompactPath(const Selection& app) {
  return BackupFolderOf(app.AppPath) + "\\FailedCompact_" + app.AppName;
}

std::string AccessSignature(Platform& platform, const std::string& database) {
  const std::string head = platform.ReadBytes(database, kSignatureAt + kSignatureBytes);
  const std::string signature = head.size() < kSignatureAt ? "" : head.substr(kSignatureAt);
  for (std::string_view known : kSignatures) {
    if (signature == known) {
      return signature;
    }
  }
  return {};
}

std::optional<std::string> FaultAfterCompaction(Platform& platform, const std::string& database,
                                                std::string_view signatureBefore) {
  if (!platform.Exists(database, Lookup::NormalFiles)) {
    return std::string(kMissing);
  }
  const std::uint64_t bytes = platform.FileSize(database);
  if (bytes == 0) {
    return std::string(kEmpty);
  }
  if (!signatureBefore.empty() && (bytes % kPageBytes != 0 || AccessSignature(platform, database) != signatureBefore)) {
    return std::string(kNotAccess);
  }
  return std::nullopt;
}

CompactionResult CompactSafely(Platform& platform, const Selection& app, const AccessRun& runAccess) {
  const std::string& database = app.FullPath;
  CompactionResult result;
  result.room = RoomFor(platform.VolumeOf(database), platform.FileSize(database));
  result.safetyCopy = SafetyCopyPath(app);
  if (!result.room.Enough()) {
    return result;
  }
  const CompactingMarker marker(platform, app);
  const std::string signature = AccessSignature(platform, database);
  CopyInto(platform, database, result.safetyCopy);

  const std::optional<std::uint32_t> exitCode = runAccess();
  if (!exitCode) {
    result.kind = CompactionResult::Kind::StillRunning;
    return result;
  }
  result.exitCode = *exitCode;
  std::optional<std::string> fault;
  try {
    fault = FaultAfterCompaction(platform, database, signature);
  } catch (const PlatformError& failure) {
    throw ProgramError(failure.what() + KeptAt(result.safetyCopy));
  }
  if (!fault) {
    result.kind = CompactionResult::Kind::Passed;
    return result;
  }
  result.reason = *fault;
  try {
    PutBack(platform, app, result.safetyCopy);
  } catch (const std::exception& failure) {
    throw ProgramError("Compaction of " + app.AppName + " failed: " + result.reason +
                       ". The database could not be restored: " + failure.what() + KeptAt(result.safetyCopy));
  }
  result.kind = CompactionResult::Kind::Restored;
  return result;
}

}  // namespace corvane
