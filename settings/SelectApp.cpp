// SelectApp: the current selection that launching, backup and compaction work on.
#include "settings/LauncherSettings.h"

namespace corvane::Shortcuts11 {

void SelectApp(int slot) {
  auto& settings = LauncherSettings;
  if (slot >= 0 && slot < kSlotCount) {
    settings.CurrentAppName = settings.Apps[slot].AppName;
    settings.CurrentAppPath = settings.Apps[slot].AppPath;
  }
  // The backslash is always put in, even where the folder is empty or already ends in one.
  settings.CurrentAppFullPath = settings.CurrentAppPath + "\\" + settings.CurrentAppName;
}

}  // namespace corvane::Shortcuts11
