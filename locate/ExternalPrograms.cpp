// Command lines of outside programs, and starting them through ShellCommandLine.
#include "locate/ExternalPrograms.h"

#include "platform/Failure.h"

namespace corvane::Shortcuts11 {

std::string QuotedCommandLine(const std::string& program, const std::string& document) {
  return "\"" + program + "\" \"" + document + "\"";
}

std::string AssociationCommandLine(std::string_view command, const std::string& document) {
  std::string line;
  bool placed = false;
  for (std::size_t i = 0; i < command.size(); ++i) {
    const char next = i + 1 < command.size() ? command[i + 1] : '\0';
    if (command[i] != '%' || next == '\0') {
      line += command[i];
    } else if (next == '1' || next == 'L' || next == 'l') {
      const bool quoted = i > 0 && command[i - 1] == '"';
      line += quoted ? document : "\"" + document + "\"";
      placed = true;
      ++i;
    } else if ((next >= '2' && next <= '9') || next == '*') {
      ++i;
    } else {
      line += command[i];
    }
  }
  if (!placed) {
    line += " \"" + document + "\"";
  }
  return line;
}

bool StartRecorded(Platform& platform, const std::string& program, const std::string& commandLine, Wait wait,
                   int limitMinutes) {
  ShellCommandLine = commandLine;
  return platform.StartProgram(program, ShellCommandLine, wait, limitMinutes);
}

void OpenWith(Platform& platform, const std::string& program, const std::string& document) {
  RunGuarded(platform, [&] { StartRecorded(platform, program, QuotedCommandLine(program, document), Wait::No); });
}

void OpenAssociated(Platform& platform, const Association& association, const std::string& document) {
  RunGuarded(platform, [&] {
    StartRecorded(platform, association.program, AssociationCommandLine(association.command, document), Wait::No);
  });
}

}  // namespace corvane::Shortcuts11
