// Text crosses the seam as UTF-8; the backend widens it once for the W functions and narrows what they return.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

// The length of a text for a Win32 call taking an int count; longer texts are refused.
int CheckedTextLength(std::size_t size);

}  // namespace corvane::win32
