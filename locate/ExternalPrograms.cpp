// Command lines of outside programs, and starting them through ShellCommandLine.
#include "locate/ExternalPrograms.h"

#include "platform/Failure.h"

namespace corvane::Shortcuts11 {

std::string QuotedCommandLine(const std::string& program, const std::string& document) {
  return "\"" + program + "\" \"" + document + "\"";
}

bool StartRecorded(Platform& platform, const std::string& program, const std::string& commandLine, Wait wait,
                   int limitMinutes) {
  ShellCommandLine = commandLine;
  return platform.StartProgram(program, ShellCommandLine, wait, limitMinutes);
}

void OpenWith(Platform& platform, const std::string& program, const std::string& document) {
  RunGuarded(platform, [&] { StartRecorded(platform, program, QuotedCommandLine(program, document), Wait::No); });
}

}  // namespace corvane::Shortcuts11
