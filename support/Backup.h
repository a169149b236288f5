// Dated backup copies of a slot's database in the ArcBackup folder beside it.
#pragma once

#include <string>

#include "platform/Desktop.h"
#include "platform/ReplaceViaScratch.h"
#include "settings/ModuleState.h"
#include "settings/SelectApp.h"

namespace corvane {

// "Arc" + month + day + (year - 2000) + the file name, every number without leading zeros.
std::string BackupName(const Date& date, const std::string& appName);

struct BackupTarget {
  Selection app;       // the slot as selected
  std::string source;  // the database
  std::string name;    // today's backup name
  std::string path;    // today's backup, in the backup folder
};
// Selects the slot and creates its backup folder where it is missing; a slot without a database fails.
BackupTarget PrepareBackup(Platform& platform, LauncherSettingsRecord& settings, int slot);

namespace Shortcuts11 {

void BackupApp(Desktop& platform, State& state, int slot);

}  // namespace Shortcuts11
}  // namespace corvane
