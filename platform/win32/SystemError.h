// Refusals of the system as PlatformError: the system's own description, after the path it concerns.
#pragma once

#include <string>
#include <string_view>

#include "platform/win32/WinApi.h"

namespace corvane::win32 {

// The system's description of `code`, without the trailing line end; never empty.
std::string DescribeSystemError(DWORD code);

// Throws PlatformError "subject: description".
[[noreturn]] void ThrowSystemError(DWORD code, std::string_view subject);
// The same for the calling thread's last error, read before anything else can change it.
[[noreturn]] void ThrowLastError(std::string_view subject);

}  // namespace corvane::win32
