// What keeps a compaction from ever losing a database: room and a copy before Access starts, a check after it ends,
// and the database put back from the copy when the check fails. The Compact button and /compact share these steps.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Platform.h"
#include "settings/SelectApp.h"

namespace corvane {

// The room a compaction needs on the database's drive (the safety copy and Access's own working copy) and what the
// drive has. Megabytes are 1,000,000 bytes: the need rounded up, the free space down, so neither flatters.
struct Room {
  std::string volume;
  std::uint64_t neededBytes = 0, freeBytes = 0;

  bool Enough() const { return freeBytes >= neededBytes; }
  std::uint64_t NeededMegabytes() const { return (neededBytes + 999'999) / 1'000'000; }
  std::uint64_t FreeMegabytes() const { return freeBytes / 1'000'000; }
};
Room RoomFor(const Volume& volume, std::uint64_t databaseBytes);
// What the Compact button says of too little room, and what /compact logs.
std::string NotEnoughRoomMessage(const std::string& fileName, const Room& room);
std::string NotEnoughRoomOutcome(const Room& room);

// ArcBackup\PreCompact_<file name>: the database as it was before the last compaction, which Corvane never deletes.
std::string SafetyCopyPath(const Selection& app);
// ArcBackup\FailedCompact_<file name>: what a failed compaction left under the database's name.
std::string FailedCompactPath(const Selection& app);

// Bytes 4 to 18 of a database where they name an Access file ("Standard Jet DB", "Standard ACE DB"); else empty.
std::string AccessSignature(Platform& platform, const std::string& database);
// Why the database Access left is not a database, as the check after compaction finds it; nothing when it is.
// `signatureBefore` is AccessSignature before compaction: a file that had none is checked only for being there and
// not empty.
std::optional<std::string> FaultAfterCompaction(Platform& platform, const std::string& database,
                                                std::string_view signatureBefore);

// Starts Access on the database and waits: its exit code once it has ended, nothing while it is still at work.
using AccessRun = std::function<std::optional<std::uint32_t>()>;

struct CompactionResult {
  enum class Kind {
    NoRoom,        // nothing was copied and Access was not started
    StillRunning,  // Access is still at work: nothing was checked or put back
    Passed,        // the check passed
    Restored,      // the check failed and the database was put back from the safety copy
  };
  Kind kind = Kind::NoRoom;
  Room room;
  std::uint32_t exitCode = 0;  // Access's, where it ended
  std::string reason;          // why the check failed
  std::string safetyCopy;
};

// Room, the marker, the safety copy, Access's run, the check and, where it fails, the database put back; the marker
// is gone at the end, whatever happened. Throws when another process compacts the database, when the safety copy
// fails (Access is then not started), and when the check or the putting back fails (saying where the copy is).
CompactionResult CompactSafely(Platform& platform, const Selection& app, const AccessRun& runAccess);

}  // namespace corvane
