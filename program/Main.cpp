// Corvane.exe: an unattended run when started with options, otherwise the launcher and its windows.
#include "platform/win32/Backend.h"
#include "program/Program.h"
#include "unattended/RunUnattended.h"

int main() {
  const std::vector<std::string> arguments = corvane::win32::CommandLineArguments();
  // Started with options, Corvane runs unattended: no window, not even a copy's progress.
  const std::unique_ptr<corvane::Platform> platform = corvane::win32::MakePlatform(!arguments.empty());
  if (!arguments.empty()) {
    // A scheduled run is no launcher: it neither waits for one nor keeps one from starting.
    return corvane::RunUnattended(*platform, arguments);
  }
  if (!platform->ClaimLauncher()) {
    return 0;  // the running launcher was brought to the front instead
  }
  corvane::Program program(*platform);
  program.Start();
  return corvane::win32::RunMessageLoop();
}
