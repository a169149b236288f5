// Backup and compaction from the command line, for a scheduled task: no window, no message box, a log instead.
#pragma once

#include <span>
#include <string>

#include "platform/Platform.h"

namespace corvane {

// Runs "/backup SLOTS [/keep N]" or "/compact SLOTS [/wait MINUTES]". Returns the exit code: 0 when every slot
// succeeded, 1 when any failed or was skipped (or a settings file could not be read), 2 for any other command line.
int RunUnattended(Platform& platform, std::span<const std::string> arguments);

}  // namespace corvane
