// The in-use check: an open that shares nothing, of the database and of its lock file.
#include "launcher/InUse.h"

#include <vector>

#include "launcher/LockFile.h"

namespace corvane {

namespace {

// Enough for every record a busy office could leave, and far more than the ten ever named.
constexpr std::size_t kLockFileReadLimit = 64 * 1024;

// The holders' names as UTF-8; a lock file that cannot be read names no one.
std::vector<LockHolder> HoldersOf(Platform& platform, const std::string& lockFile) {
  try {
    if (!platform.Exists(lockFile, Lookup::NormalFiles)) {
      return {};
    }
    std::vector<LockHolder> holders = ReadLockHolders(platform.ReadBytes(lockFile, kLockFileReadLimit));
    for (LockHolder& holder : holders) {
      holder = {platform.FromAnsi(holder.computer), platform.FromAnsi(holder.user)};
    }
    return holders;
  } catch (const PlatformError&) {
    return {};
  }
}

}  // namespace

std::optional<std::string> WhereInUse(Platform& platform, const std::string& databasePath) {
  const std::string lockFile = LockFilePathFor(databasePath);
  // A lock file that no process holds is stale: Access left it behind, and it blocks nothing.
  if (!platform.HeldOpen(databasePath) && (lockFile.empty() || !platform.HeldOpen(lockFile))) {
    return std::nullopt;
  }
  const std::vector<LockHolder> holders = lockFile.empty() ? std::vector<LockHolder>{} : HoldersOf(platform, lockFile);
  return holders.empty() ? "in another program" : "on " + HoldersText(holders);
}

}  // namespace corvane
