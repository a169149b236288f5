// OpenApp: a launcher button's click opens its slot's database in Access.
#include "launcher/Launch.h"

#include "launcher/LocalCopy.h"
#include "launcher/TrustedLocation.h"
#include "launcher/UnfinishedCompaction.h"
#include "locate/ExternalPrograms.h"
#include "locate/Locate.h"
#include "platform/Failure.h"
#include "settings/SelectApp.h"

namespace corvane::Shortcuts11 {

void OpenApp(Desktop& platform, State& state, int slot) {
  const Selection app = SelectApp(state.LauncherSettings, slot);
  if (!app.HasDatabase()) {
    ShowInfo(platform, NoDatabaseMessage(app, slot));
    return;
  }
  // Without Access nothing can open: said so, rather than as a program start that failed, which reads as if the
  // database were missing.
  if (state.AccessPath.empty()) {
    ShowInfo(platform, "Cannot open " + app.AppName +
                           ": no Microsoft Access was found on this PC. Install Access or the Access Runtime, then "
                           "start Corvane again.");
    return;
  }
  if (RunsLocalCopy(state.LauncherSettings, slot)) {
    if (const auto local = CurrentLocalCopy(platform, app, LocalCopyPath(platform, state.LauncherSettings, slot))) {
      TrustLocalCopies(platform, state.AccessPath, LocalCopiesFolder(platform, state.LauncherSettings));
      OpenWithAccess(platform, state, *local);
    }
    return;
  }
  // Access must not open a database while another Corvane has it compacted, nor one a compaction may have spoilt
  // before it is checked; a compaction that deleted it is undone first.
  if (!ClearOfCompaction(platform, app, Purpose::Open)) {
    return;
  }
  if (!platform.Exists(app.FullPath, Lookup::NormalFiles)) {
    ShowInfo(platform, CannotFindDatabase(app.AppName));
    return;
  }
  OpenWithAccess(platform, state, app.FullPath);
}

}  // namespace corvane::Shortcuts11
