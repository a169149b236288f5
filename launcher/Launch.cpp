// OpenApp and OpenWithAccess: a launcher button's click opens its slot's database in Access.
#include "launcher/Launch.h"

#include "locate/ExternalPrograms.h"
#include "locate/Locate.h"
#include "platform/Failure.h"
#include "settings/LauncherSettings.h"

namespace corvane::Shortcuts11 {

void OpenApp(Platform& platform, int slot) {
  RunGuarded(platform, [&] {
    SelectApp(slot);
    if (!platform.Exists(LauncherSettings.CurrentAppFullPath, Lookup::NormalFiles)) {
      ShowInfo(platform, "Cannot find " + LauncherSettings.CurrentAppName + " database.");
      return;
    }
    OpenWithAccess(platform, LauncherSettings.CurrentAppFullPath);
  });
}

// With no Access located the start fails and its description is shown: the database itself was found.
void OpenWithAccess(Platform& platform, std::string databasePath) {
  RunGuarded(platform,
             [&] { StartRecorded(platform, AccessPath, QuotedCommandLine(AccessPath, databasePath), Wait::No); });
}

}  // namespace corvane::Shortcuts11
