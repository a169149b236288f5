// The settings files' encoding: the system's ANSI code page on disk, UTF-8 in the program.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane::win32 {

std::string AnsiToUtf8(std::string_view ansi);

// Nothing when the code page cannot hold every character (or `utf8` is not UTF-8): such text is refused,
// never stored with substitutes.
std::optional<std::string> Utf8ToAnsi(std::string_view utf8);

}  // namespace corvane::win32
