// BackupApp: copy the selected slot's database to ArcBackup, asking before a copy of the same name is replaced.
#include "support/Backup.h"

#include "launcher/InUse.h"
#include "launcher/UnfinishedCompaction.h"
#include "platform/Failure.h"
#include "platform/ReplaceViaScratch.h"
#include "settings/SelectApp.h"

namespace corvane {

std::string BackupName(const Date& date, const std::string& appName) {
  return "Arc" + std::to_string(date.month) + std::to_string(date.day) + std::to_string(date.year - 2000) + appName;
}

BackupTarget PrepareBackup(Platform& platform, LauncherSettingsRecord& settings, int slot) {
  const Selection app = Shortcuts11::SelectApp(settings, slot);
  if (!app.HasDatabase()) {
    throw ProgramError(NoDatabaseMessage(app, slot));
  }
  const std::string folder = EnsureBackupFolder(platform, app.AppPath);
  const std::string name = BackupName(platform.Now(), app.AppName);
  return {app, app.FullPath, name, folder + "\\" + name};
}

namespace Shortcuts11 {

void BackupApp(Desktop& platform, State& state, int slot) {
  const auto [app, source, name, backupPath] = PrepareBackup(platform, state.LauncherSettings, slot);
  if (!ClearOfCompaction(platform, app, Purpose::Copy)) {
    return;
  }
  // A copy of a database someone has open may not be consistent: the user decides.
  if (const auto where = WhereInUse(platform, source)) {
    const Answer anyway = platform.ShowMessage(
        app.AppName + " is open " + *where + ". A copy taken now may not be consistent. Back it up anyway?",
        std::string(kWarningTitle), Buttons::YesNo);
    if (anyway != Answer::Yes) {
      return;
    }
  }
  if (platform.Exists(backupPath, Lookup::NormalFiles)) {
    const Answer answer =
        platform.ShowMessage(name + " Exists. Do You Want To Replace It?", std::string(kWarningTitle), Buttons::YesNo);
    if (answer != Answer::Yes) {
      return;
    }
    CopyInto(platform, source, backupPath);
    ShowInfo(platform, "Replace Copy Done");
  } else {
    CopyInto(platform, source, backupPath);
    ShowInfo(platform, "New Copy Is " + backupPath);
  }
}

}  // namespace Shortcuts11
}  // namespace corvane
