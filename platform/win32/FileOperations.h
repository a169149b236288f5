// The rule the file operations share: what Windows refuses to overwrite.
#pragma once

#include <string>

namespace corvane::win32 {

// Refuses, as Windows does, to replace or overwrite a read-only file. The backend checks this itself because a
// privileged process (an administrator's, or Wine's under root) may otherwise be let through.
void RefuseReadOnlyTarget(const std::string& path);

}  // namespace corvane::win32
