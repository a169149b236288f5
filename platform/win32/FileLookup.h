// Existence by directory lookup: the exact pattern, filtered by the entries' attributes.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace corvane::win32 {

// True when some entry matching `pattern` passes `filter`. Absent files and folders are false; a lookup the
// system cannot make (malformed path, drive not ready) throws PlatformError naming the pattern.
bool LookUp(const std::string& pattern, Lookup filter);

}  // namespace corvane::win32
