// The mark that a database is being compacted, which every Corvane looks for before it opens or copies one.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Platform.h"
#include "settings/SelectApp.h"

namespace corvane {

// Who compacts a database, or restores it from a backup, as its marker says. A marker whose text cannot be read names
// no one: `known` is false.
struct Compactor {
  std::string computer, user;
  std::string began;  // "YYYY-MM-DD HH:MM"
  bool known = false;
  bool restoring = false;

  std::string Since() const { return began.substr(began.size() - 5); }  // "HH:MM"
};

// ArcBackup\Compacting_<file name>, beside the slot's backups.
std::string CompactingMarkerPath(const Selection& app);
// "<computer>\t<user>\t<YYYY-MM-DD HH:MM>", with a fourth field "restore" for a restore.
std::string CompactingMarkerText(const std::string& computer, const std::string& user, const Date& now, bool restoring);
// A marker's text read back: three tab-separated fields (or four, the last "restore"), the third a time as the marker
// writes it, the first two not blank; anything else names no one. Control characters become blanks, and each name is
// cut at 64 characters.
Compactor ReadCompactingMarker(std::string_view text);
// A system's description for use inside a sentence: "Access is denied." becomes "Access is denied".
std::string WithoutFullStop(std::string description);
// "by <user> on <computer>", or "by another user" where the marker names no one.
std::string ByWhom(const Compactor& compactor);
// "<file name> is being compacted by <user> on <computer> since <HH:MM>. Please try again in a few minutes.", or
// "being restored" where the marker is a restore's.
std::string BeingCompactedMessage(const std::string& fileName, const Compactor& compactor);

// The slot's marker as it is on disk: absent, held by a process that compacts now, left without one, or not to be
// seen, as its folder cannot be looked into (`why` says what Windows said).
struct MarkerOnDisk {
  enum class Kind { None, Held, Left, Unseen };
  Kind kind = Kind::None;
  Compactor compactor;
  std::string why;
};
MarkerOnDisk LookAtMarker(Platform& platform, const Selection& app);

// Marks the slot's database as being compacted by this computer and user, holding the marker open so that others may
// read it but nobody may change or delete it. It is deleted when the object goes, also after a failure, unless the
// compaction's end was not seen (LeaveForTheNextComer): then it stays on disk, released, for whoever looks next to
// finish. Throws ProgramError with BeingCompactedMessage when another process holds the marker.
class CompactingMarker {
 public:
  CompactingMarker(Platform& platform, const Selection& app, bool restoring = false);
  ~CompactingMarker();
  CompactingMarker(const CompactingMarker&) = delete;
  CompactingMarker& operator=(const CompactingMarker&) = delete;

  void LeaveForTheNextComer() { leave_ = true; }

 private:
  Platform& platform_;
  std::string path_;
  std::unique_ptr<HeldFile> held_;
  bool leave_ = false;
};

}  // namespace corvane
