// Starting outside programs: every start first writes its command line into ShellCommandLine.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "locate/OutsidePrograms.h"
#include "platform/Platform.h"

namespace corvane {

// `argument` in double quotes, escaped as programs split their command lines, so that it reaches the program whole
// and unchanged: blanks, quotes and trailing backslashes too. A path, which holds no quote, only gains its quotes
// unless it ends in a backslash.
std::string QuotedArgument(std::string_view argument);
// "<program>" "<document>": each path quoted, so blanks inside either reach the program as one argument.
std::string QuotedCommandLine(const std::string& program, const std::string& document);
// The command Windows registered for a type, with `document` where it says %1 (or %L): quoted where the command
// leaves it bare, added at the end where the command has no place for it. References to further arguments are
// dropped, as there are none.
std::string AssociationCommandLine(std::string_view command, const std::string& document);
// Records `commandLine` in ShellCommandLine, then starts `program` with it; the exit code as StartProgram gives it.
std::optional<std::uint32_t> StartRecorded(Platform& platform, Shortcuts11::OutsidePrograms& programs,
                                           const std::string& program, const std::string& commandLine, Wait wait,
                                           int limitMinutes = 0);
// Opens `document` in `program` without waiting; an empty `program` fails to start, and says why.
void OpenWith(Platform& platform, Shortcuts11::OutsidePrograms& programs, const std::string& program,
              const std::string& document);
// Opens `document` with the program Windows associates with its type, by the association's own command.
void OpenAssociated(Platform& platform, Shortcuts11::OutsidePrograms& programs, const Association& association,
                    const std::string& document);

namespace Shortcuts11 {

// Open a document in the program located at start-up, without waiting; with none located, the start fails and says
// why.
void OpenWithAccess(Platform& platform, Shortcuts11::OutsidePrograms& programs, const std::string& database);
void OpenWithWordProcessor(Platform& platform, Shortcuts11::OutsidePrograms& programs, const std::string& document);
void OpenWithPdfReader(Platform& platform, Shortcuts11::OutsidePrograms& programs, const std::string& document);

}  // namespace Shortcuts11
}  // namespace corvane
