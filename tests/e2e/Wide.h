// UTF-8 and UTF-16 conversions for the test driver, which compares texts as UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace corvane::e2e {

std::wstring ToWide(std::string_view utf8);
std::string ToUtf8(std::wstring_view wide);

// The system's ANSI code page, the encoding of the settings files.
std::string ToAnsi(std::string_view utf8);

// CMake hands over paths with forward slashes; the program under test should see Windows' own form.
std::wstring WindowsPath(std::wstring_view path);

}  // namespace corvane::e2e
