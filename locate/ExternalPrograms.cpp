// Command lines of outside programs, and starting them through ShellCommandLine.
#include "locate/ExternalPrograms.h"

#include "platform/Failure.h"

namespace corvane {

std::string QuotedArgument(std::string_view argument) {
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    // Backslashes count as themselves except before a quote, where each must be doubled and the quote escaped.
    quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
    quoted += c;
    backslashes = 0;
  }
  quoted.append(2 * backslashes, '\\');
  quoted += '"';
  return quoted;
}

// The program's name is read up to the next quote, with no escapes, so it is only enclosed.
std::string QuotedCommandLine(const std::string& program, const std::string& document) {
  return "\"" + program + "\" " + QuotedArgument(document);
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
      line += quoted ? document : QuotedArgument(document);
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

std::optional<std::uint32_t> StartRecorded(Platform& platform, Shortcuts11::OutsidePrograms& programs,
                                           const std::string& program, const std::string& commandLine, Wait wait,
                                           int limitMinutes) {
  programs.ShellCommandLine = commandLine;
  return platform.StartProgram(program, programs.ShellCommandLine, wait, limitMinutes);
}

void OpenWith(Platform& platform, Shortcuts11::OutsidePrograms& programs, const std::string& program,
              const std::string& document) {
  StartRecorded(platform, programs, program, QuotedCommandLine(program, document), Wait::No);
}

void OpenAssociated(Platform& platform, Shortcuts11::OutsidePrograms& programs, const Association& association,
                    const std::string& document) {
  StartRecorded(platform, programs, association.program, AssociationCommandLine(association.command, document),
                Wait::No);
}

namespace Shortcuts11 {

void OpenWithAccess(Platform& platform, Shortcuts11::OutsidePrograms& programs, const std::string& database) {
  OpenWith(platform, programs, programs.AccessPath, database);
}

void OpenWithWordProcessor(Platform& platform, Shortcuts11::OutsidePrograms& programs, const std::string& document) {
  OpenWith(platform, programs, programs.WordProcessorPath, document);
}

void OpenWithPdfReader(Platform& platform, Shortcuts11::OutsidePrograms& programs, const std::string& document) {
  OpenWith(platform, programs, programs.PdfReaderPath, document);
}

}  // namespace Shortcuts11
}  // namespace corvane
