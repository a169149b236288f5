// Backup and compaction from the command line, for a scheduled task: no window, no message box, a log instead.
#pragma once

#include <span>
#include <string>

#include "platform/Platform.h"

namespace corvane {

// Runs "/backup SLOTS [/keep N]", "/compact SLOTS [/wait MINUTES]", "/restore SLOT COPY" or "/register". Returns the
// exit code: 0 when every slot succeeded, 1 when any failed or was skipped (or a settings file could not be read, or
// the event source could not be registered), 2 for any other command line. A run that ends with 1 or 2 leaves an
// event in the Application log.
int RunUnattended(Platform& platform, std::span<const std::string> arguments);

}  // namespace corvane
