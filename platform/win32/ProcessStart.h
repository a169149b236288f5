// Starting another program by its full path, in a normal window that takes the focus.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace corvane::win32 {

// `program` is never searched for; `commandLine` is passed whole. Throws PlatformError naming the program.
void StartProcess(const std::string& program, const std::string& commandLine, Wait wait);

}  // namespace corvane::win32
