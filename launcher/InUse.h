// Whether someone still has a database open, and who, so that Access is never asked to compact it then.
#pragma once

#include <optional>
#include <string>

#include "platform/Platform.h"

namespace corvane {

// Nothing when the database is free. Otherwise where it is open: "on <computer> (<user>), ..." from its lock
// file, or "in another program" where the lock file names no one. Neither file is ever changed.
std::optional<std::string> WhereInUse(Platform& platform, const std::string& databasePath);

}  // namespace corvane
