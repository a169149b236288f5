// Single-file and single-folder operations; every refusal throws PlatformError naming the path.
#pragma once

#include <cstdint>
#include <string>

namespace corvane::win32 {

void CreateOneFolder(const std::string& path);
// Moves over an existing `to`; a read-only `to` is refused.
void MoveReplacing(const std::string& from, const std::string& to);
// A read-only file is refused.
void DeleteOneFile(const std::string& path);
// Replaces an existing `to`; a read-only or locked `to` is refused and stays as it was. A copy that fails once it
// has begun writing leaves no file at `to`. Meanwhile the thread's windows stay painted but take no input, and a
// copy that lasts shows its progress (CopyWithProgress.h).
void CopyReplacing(const std::string& from, const std::string& to);
std::uint64_t SizeOfFile(const std::string& path);

// Refuses, as Windows does, to replace or overwrite a read-only file. The backend checks this itself because a
// privileged process (an administrator's, or Wine's under root) may otherwise be let through.
void RefuseReadOnlyTarget(const std::string& path);

}  // namespace corvane::win32
