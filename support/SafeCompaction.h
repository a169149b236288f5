// What keeps a compaction from ever losing a database: room and a copy before Access starts, a check after it ends,
// and the database put back from the copy when the check fails. The Compact button and /compact share these steps.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

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
// What the Compact button says of a database that is no longer an Access file, and what /compact logs.
std::string NotAccessMessage(const std::string& fileName, const std::string& safetyCopy);
std::string NotAccessOutcome(const std::string& safetyCopy);

// Starts Access on the database and waits: its exit code once it has ended, nothing while it is still at work.
using AccessRun = std::function<std::optional<std::uint32_t>()>;

struct CompactionResult {
  enum class Kind {
    NotAccess,     // the safety copy is an Access file and the database no longer: nothing was copied or started
    NoRoom,        // nothing was copied and Access was not started
    StillRunning,  // Access is still at work: nothing was checked or put back, and the marker stays
    Passed,        // the check passed
    Restored,      // the check failed and the database was put back from the safety copy
  };
  Kind kind = Kind::NoRoom;
  Room room;
  std::uint32_t exitCode = 0;  // Access's, where it ended
  std::string reason;          // why the check failed
  std::string safetyCopy;
};

// The database's kind, room, the marker, the safety copy, Access's run, the check and, where it fails, the database
// put back; the marker is gone at the end unless Access is still at work. Throws when another process compacts the
// database, when the safety copy fails or Access does not start (the marker is then deleted), and when the check or
// the putting back fails (saying where the copy is; the marker then stays, for the next comer to finish).
CompactionResult CompactSafely(Platform& platform, const Selection& app, const AccessRun& runAccess);

}  // namespace corvane
