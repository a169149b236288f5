// Corvane.exe: the Windows platform, the program's windows, and the message loop they run in.
#include "platform/win32/Backend.h"
#include "program/Program.h"

int main() {
  const std::unique_ptr<corvane::Platform> platform = corvane::win32::MakePlatform();
  corvane::Program program(*platform);
  program.Start();
  return corvane::win32::RunMessageLoop();
}
