// The mark that a database is being compacted, which every Corvane looks for before it opens or copies one.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Platform.h"
#include "settings/SelectApp.h"

namespace corvane {

// Who compacts a database, as its marker says; `since` is "HH:MM".
struct Compactor {
  std::string computer, user, since;
  bool operator==(const Compactor&) const = default;
};

// ArcBackup\Compacting_<file name>, beside the slot's backups.
std::string CompactingMarkerPath(const Selection& app);
// "<computer>\t<user>\t<YYYY-MM-DD HH:MM>"
std::string CompactingMarkerText(const Compactor& compactor, const Date& now);
// A marker's text read back; what it lacks stays empty.
Compactor ReadCompactingMarker(std::string_view text);
// "<file name> is being compacted by <user> on <computer> since <HH:MM>. Please try again in a few minutes."
std::string BeingCompactedMessage(const std::string& fileName, const Compactor& compactor);

// Who is compacting the slot's database now; nothing when no one is. A marker that no process holds was left by a
// crash or a power cut: it is deleted where it can be, and stops nothing.
std::optional<Compactor> WhoIsCompacting(Platform& platform, const Selection& app);

// Marks the slot's database as being compacted by this computer and user for as long as it lives, holding the marker
// open so that others may read it but nobody may change or delete it; then deletes it, also after a failure. Throws
// ProgramError with BeingCompactedMessage when another process compacts the database.
class CompactingMarker {
 public:
  CompactingMarker(Platform& platform, const Selection& app);
  ~CompactingMarker();
  CompactingMarker(const CompactingMarker&) = delete;
  CompactingMarker& operator=(const CompactingMarker&) = delete;

 private:
  Platform& platform_;
  std::string path_;
  std::unique_ptr<HeldFile> held_;
};

}  // namespace corvane
