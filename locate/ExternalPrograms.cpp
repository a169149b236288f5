// Command lines of outside programs, and starting them through ShellCommandLine.
#include "locate/ExternalPrograms.h"

namespace corvane::Shortcuts11 {

std::string QuotedCommandLine(const std::string& program, const std::string& document) {
  return "\"" + program + "\" \"" + document + "\"";
}

void StartRecorded(Platform& platform, const std::string& program, const std::string& commandLine, Wait wait) {
  ShellCommandLine = commandLine;
  platform.StartProgram(program, ShellCommandLine, wait);
}

}  // namespace corvane::Shortcuts11
