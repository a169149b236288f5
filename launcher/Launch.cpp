// OpenApp: a launcher button's click opens its slot's database in Access.
#include "launcher/Launch.h"

#include "launcher/LocalCopy.h"
#include "launcher/UnfinishedCompaction.h"
#include "locate/ExternalPrograms.h"
#include "locate/Locate.h"
#include "platform/Failure.h"
#include "settings/SelectApp.h"

namespace corvane::Shortcuts11 {

// With no Access located the start fails and its description is shown: the database itself was found.
void OpenApp(Desktop& platform, State& state, int slot) {
  const Selection app = SelectApp(state.LauncherSettings, slot);
  if (app.HasDatabase() && RunsLocalCopy(state.LauncherSettings, slot)) {
    if (const auto local = CurrentLocalCopy(platform, app, LocalCopyPath(platform, state.LauncherSettings, slot))) {
      OpenWithAccess(platform, state, *local);
    }
    return;
  }
  // Access must not open a database while another Corvane has it compacted, nor one a compaction may have spoilt
  // before it is checked; a compaction that deleted it is undone first.
  if (app.HasDatabase() && !ClearOfCompaction(platform, app)) {
    return;
  }
  if (!app.HasDatabase() || !platform.Exists(app.FullPath, Lookup::NormalFiles)) {
    ShowInfo(platform, CannotFindDatabase(app.AppName));
    return;
  }
  OpenWithAccess(platform, state, app.FullPath);
}

}  // namespace corvane::Shortcuts11
