// SelectApp: the current selection that launching, backup and compaction work on.
#include "settings/SelectApp.h"

namespace corvane {
namespace {

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

}  // namespace

// "C:", "C:\Apps" or "\\server\share": never "Apps" or "\Apps", which Windows would take from the current folder or
// the current drive, so that a slot could reach a file that is not its database.
bool IsFullFolder(std::string_view folder) {
  const bool drive = folder.size() >= 2 && folder[1] == ':' &&
                     ((folder[0] >= 'A' && folder[0] <= 'Z') || (folder[0] >= 'a' && folder[0] <= 'z'));
  if (drive) {
    return folder.size() == 2 || IsSeparator(folder[2]);
  }
  return folder.size() > 2 && IsSeparator(folder[0]) && IsSeparator(folder[1]) && !IsSeparator(folder[2]);
}

std::string CannotFindDatabase(const std::string& appName) {
  return "Cannot find " + appName + " database.";
}

std::string NoDatabaseMessage(const Selection& app, int slot) {
  if (app.AppName.empty() && !app.AppPath.empty()) {
    return "Application " + std::to_string(slot + 1) + " has no database file name. Set it in Support, Edit App Paths.";
  }
  return CannotFindDatabase(app.AppName);
}

std::string BackupFolderOf(const std::string& appPath) {
  return appPath + "\\ArcBackup";
}

std::string EnsureBackupFolder(Platform& platform, const std::string& appPath) {
  const std::string folder = BackupFolderOf(appPath);
  if (!platform.Exists(folder + "\\", Lookup::AllFolders)) {
    platform.CreateFolder(folder);
  }
  return folder;
}

namespace Shortcuts11 {

Selection SelectApp(LauncherSettingsRecord& settings, int slot) {
  if (slot >= 0 && slot < kSlotCount) {
    settings.CurrentAppName = settings.Apps[slot].AppName;
    settings.CurrentAppPath = settings.Apps[slot].AppPath;
  }
  const bool named = IsFullFolder(settings.CurrentAppPath) && !settings.CurrentAppName.empty();
  // The backslash is always put in, even where the folder already ends in one.
  settings.CurrentAppFullPath = named ? settings.CurrentAppPath + "\\" + settings.CurrentAppName : "";
  return {settings.CurrentAppName, settings.CurrentAppPath, settings.CurrentAppFullPath};
}

}  // namespace Shortcuts11
}  // namespace corvane
