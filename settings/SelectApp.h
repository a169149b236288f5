// Selecting the slot that launching, backup and compaction work on.
#pragma once

#include <string>
#include <string_view>

#include "platform/Platform.h"
#include "settings/LauncherSettings.h"

namespace corvane {

// A slot's database as selected. Its full path is empty where the slot names none: a slot without a file name, or
// whose folder is not a full path.
struct Selection {
  std::string AppName;
  std::string AppPath;
  std::string FullPath;

  bool HasDatabase() const { return !FullPath.empty(); }
};

// What a slot without a database is told: "Cannot find <name> database."
std::string CannotFindDatabase(const std::string& appName);
// What a slot without a database is told: a slot whose folder is set but not its file name is asked for the name
// ("Application <N> has no database file name. Set it in Support, Edit App Paths."); any other, CannotFindDatabase.
std::string NoDatabaseMessage(const Selection& app, int slot);
// A slot's backup folder, where the program keeps its own files beside the database: ArcBackup in its folder.
std::string BackupFolderOf(const std::string& appPath);
// The backup folder, made where it is missing; one hidden or marked system is used as it is. Returns its path.
std::string EnsureBackupFolder(Platform& platform, const std::string& appPath);
// Whether a folder names one place whatever the current folder and drive: a drive's or a network share's.
bool IsFullFolder(std::string_view folder);

namespace Shortcuts11 {

// Sets the current selection from slot 0 to 10 and returns it; any other number keeps name and folder and rebuilds
// the full path.
Selection SelectApp(LauncherSettingsRecord& settings, int slot);

}  // namespace Shortcuts11
}  // namespace corvane
