// The module's part that concerns outside programs: what the locators found, and the last command line started.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

inline constexpr std::string_view kExists = "exists";

namespace Shortcuts11 {

struct OutsidePrograms {
  // Set once: Access at start-up, the word processor and the reader at the first manual. A path is empty where
  // nothing was found, a status "exists" where something was, and empty before it was looked for.
  std::string AccessPath;
  std::string WordProcessorPath;
  std::string PdfReaderPath;
  std::string WordProcessorStatus;
  std::string PdfReaderStatus;
  // The command line of the outside program started last.
  std::string ShellCommandLine;
};

}  // namespace Shortcuts11
}  // namespace corvane
