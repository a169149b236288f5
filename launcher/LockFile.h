// Who holds an Access database open, as its lock file beside it records.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

inline constexpr std::size_t kMaxLockHolders = 10;

// The lock file in the database's folder: X.ldb for X.mdb or X.mde, X.laccdb for X.accdb or X.accde; empty for
// any other extension.
std::string LockFilePathFor(std::string_view databasePath);

// Names as the lock file holds them: bytes in the ANSI code page, trimmed.
struct LockHolder {
  std::string computer, user;
  bool operator==(const LockHolder&) const = default;
};

// The holders in the order the file lists them, without repeats, at most kMaxLockHolders.
std::vector<LockHolder> ReadLockHolders(std::string_view fileBytes);

// "<computer> (<user>), <computer> (<user>)", the computer alone where the user is not known.
std::string HoldersText(std::span<const LockHolder> holders);

}  // namespace corvane
