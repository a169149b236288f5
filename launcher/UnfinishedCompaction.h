// Finishing a compaction whose end nobody saw: Corvane was ended while Access worked, or /wait ran out. Whoever next
// opens, backs up or compacts the database finds its marker with no process holding it, and checks the database
// against the copy taken before the compaction before anyone trusts it.
#pragma once

#include <string>

#include "launcher/CompactingMarker.h"
#include "platform/Desktop.h"
#include "settings/SelectApp.h"

namespace corvane {

struct MarkerFinding {
  enum class Kind {
    Free,            // no marker, or one left with no safety copy to check against: deleted
    BeingCompacted,  // a process holds the marker, or Access still has the database open: leave it alone
    Passed,          // a compaction did not finish, and the database passed its check; the marker is deleted
    Restored,        // it did not pass, and was put back from the safety copy; the marker is deleted
    Unseen,          // the backup folder cannot be looked into, so no marker can be seen
  };
  Kind kind = Kind::Free;
  Compactor compactor;
  std::string reason;  // why the check failed, or why the folder cannot be looked into
  std::string safetyCopy;
};

// Looks at the slot's marker and finishes what it finds. Throws ProgramError naming the safety copy when the database
// fails its check and cannot be put back; the marker then stays, for the next comer to try again.
MarkerFinding FinishUnfinishedCompaction(Platform& platform, const Selection& app);

// What an unattended run logs of a Passed or Restored finding, with the action "check".
std::string UnfinishedCompactionOutcome(const MarkerFinding& finding);
// "Corvane cannot look into <folder> (<system text>), so it cannot tell whether <file name> is being compacted.
// Nothing was done."
std::string CannotLookMessage(const Selection& app, const std::string& why);

// What the caller is about to do: opening needs no marker it cannot see, as such a marker could hold nobody back; a
// copy or a compaction does.
enum class Purpose { Open, Copy };

// For the windows: finishes what the marker says and tells the user what was found. False when the database is being
// compacted, or its marker cannot be looked for where the purpose needs it (the user has been told so), and must be
// left alone.
bool ClearOfCompaction(Desktop& platform, const Selection& app, Purpose purpose);

}  // namespace corvane
