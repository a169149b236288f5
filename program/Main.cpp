// Corvane.exe: an unattended run when started with options, otherwise the launcher and its windows.
#include "platform/win32/Backend.h"
#include "program/Program.h"
#include "unattended/RunUnattended.h"

int main() {
  const std::vector<std::string> arguments = corvane::win32::CommandLineArguments();
  // Started with options, Corvane runs unattended: no window, not even a copy's progress. A scheduled run is no
  // launcher: it neither waits for one nor keeps one from starting.
  if (!arguments.empty()) {
    return corvane::RunUnattended(*corvane::win32::MakeWindowlessPlatform(), arguments);
  }
  const std::unique_ptr<corvane::Desktop> desktop = corvane::win32::MakeDesktop();
  if (!corvane::ClaimTheLauncher(*desktop)) {
    return 0;  // the running launcher was brought to the front instead
  }
  corvane::Program program(*desktop);
  program.Start();
  return corvane::win32::RunMessageLoop();
}
