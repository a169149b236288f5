// OpenExplorer: the Winnt Explorer unless only the Windows one exists, and one retry with the Windows one.
#include "settings/OpenExplorer.h"

#include "locate/ExternalPrograms.h"
#include "platform/Failure.h"

namespace corvane::Shortcuts11 {
namespace {

constexpr std::string_view kWindowsExplorer = "C:\\Windows\\Explorer.exe";
constexpr std::string_view kWinntExplorer = "C:\\Winnt\\Explorer.exe";
constexpr std::string_view kExplorerArguments = " /n, /e, C:\\Program Files";

void StartExplorer(Platform& platform, OutsidePrograms& programs, std::string_view explorer) {
  const std::string program(explorer);
  StartRecorded(platform, programs, program, program + std::string(kExplorerArguments), Wait::No);
}

}  // namespace

void OpenExplorer(Platform& platform, OutsidePrograms& programs) {
  try {
    const bool windows = platform.Exists(std::string(kWindowsExplorer), Lookup::NormalFiles);
    const bool winnt = platform.Exists(std::string(kWinntExplorer), Lookup::NormalFiles);
    StartExplorer(platform, programs, windows && !winnt ? kWindowsExplorer : kWinntExplorer);
  } catch (const std::exception&) {
    // The first failure is not reported: only the retry's is.
    StartExplorer(platform, programs, kWindowsExplorer);
  }
}

}  // namespace corvane::Shortcuts11
