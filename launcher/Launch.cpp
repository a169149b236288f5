// OpenApp: a launcher button's click opens its slot's database in Access.
#include "launcher/Launch.h"

#include "locate/ExternalPrograms.h"
#include "locate/Locate.h"
#include "platform/Failure.h"
#include "settings/LauncherSettings.h"

namespace corvane::Shortcuts11 {

// With no Access located the start fails and its description is shown: the database itself was found.
void OpenApp(Platform& platform, int slot) {
  RunGuarded(platform, [&] {
    if (!SelectApp(slot) || !platform.Exists(LauncherSettings.CurrentAppFullPath, Lookup::NormalFiles)) {
      ShowInfo(platform, CannotFindDatabase(LauncherSettings.CurrentAppName));
      return;
    }
    OpenWith(platform, AccessPath, LauncherSettings.CurrentAppFullPath);
  });
}

}  // namespace corvane::Shortcuts11
