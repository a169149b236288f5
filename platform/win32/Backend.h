// What the program's entry needs of the Windows backend; free of <windows.h>, so that the entry is too.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace corvane::win32 {

// Loads the common controls and registers the form class; throws PlatformError when the system refuses. A windowless
// platform, for an unattended run, shows no window of its own.
std::unique_ptr<Platform> MakePlatform(bool windowless);
// Dispatches the thread's messages until the program ends; returns the exit code.
int RunMessageLoop();
// The arguments the program was started with, without its own name.
std::vector<std::string> CommandLineArguments();

}  // namespace corvane::win32
