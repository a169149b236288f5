// The rules the file operations share: what Windows refuses to overwrite, and whether another process holds a file.
#pragma once

#include <string>

#include "platform/win32/WinApi.h"

namespace corvane::win32 {

// Refuses, as Windows does, to replace or overwrite a read-only file. The backend checks this itself because a
// privileged process (an administrator's, or Wine's under root) may otherwise be let through.
void RefuseReadOnlyTarget(const std::string& path);

// Whether an open of an existing `path` with `access` and `sharing` is refused because another open does not share
// what it asks; an absent file is not held. Nothing is changed.
bool RefusedBySharing(const std::string& path, DWORD access, DWORD sharing);

}  // namespace corvane::win32
