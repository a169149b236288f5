// The two lines of the copy's progress window, as pure functions of the path and the byte counts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane::win32 {

// "Copying " and the file's name: `path` after its last backslash or slash.
std::string CopyingText(std::string_view path);

// "512 MB of 1024 MB": the bytes copied and the whole in units of 1000 bytes (as the program's size messages
// count), rounded down; in KB while the whole is under 10 MB, so that a small file's count still moves. A count
// beyond the whole is shown as the whole.
std::string CopiedText(std::uint64_t copied, std::uint64_t total);

}  // namespace corvane::win32
