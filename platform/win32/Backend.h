// What the program's entry needs of the Windows backend; free of <windows.h>, so that the entry is too.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Desktop.h"

namespace corvane::win32 {

// The platform of an unattended run, which shows no window at all, not even a copy's progress.
std::unique_ptr<Platform> MakeWindowlessPlatform();
// The platform of the launcher, with its user interface.
std::unique_ptr<Desktop> MakeDesktop();
// Dispatches the thread's messages until the program ends; returns the exit code.
int RunMessageLoop();
// The arguments the program was started with, without its own name.
std::vector<std::string> CommandLineArguments();

}  // namespace corvane::win32
