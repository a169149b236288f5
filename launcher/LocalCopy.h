// Each PC's own copy of a slot's database: made from the master the office keeps on its server, and brought up to
// date with it at every start.
#pragma once

#include <optional>
#include <string>

#include "platform/Desktop.h"
#include "settings/LauncherSettings.h"
#include "settings/SelectApp.h"

namespace corvane {

// Whether slot 0 to 10 runs a local copy: only an exact "Yes" says so.
bool RunsLocalCopy(const LauncherSettingsRecord& settings, int slot);
// The local copies folder, its environment references expanded now and without a trailing backslash. A folder that is
// not a full path fails.
std::string LocalCopiesFolder(Platform& platform, const LauncherSettingsRecord& settings);
// <local copies folder>\App<slot + 1>\<file name>, the folder's environment references expanded now; one slot's copy
// never meets another's of the same name. A folder that is not a full path fails.
std::string LocalCopyPath(Platform& platform, const LauncherSettingsRecord& settings, int slot);
// Creates every missing level of a full folder path, from its drive or share down. A file in the place of a level
// fails, naming `copiesFolder` as the setting to correct.
void CreateFolders(Platform& platform, const std::string& folder, const std::string& copiesFolder);

// Copies the master over the local copy where they differ in size or last-write time, either way: the master is what
// the office publishes, also when it rolls a change back. A local copy that is open stays as it is, and so does one
// whose master someone has open; without the master the local copy serves. The copy replaced is kept once, as
// Previous_<file name> beside it. Returns what Access is to open; nothing, once the user has been told why, when
// there is nothing to open or the master is being compacted.
std::optional<std::string> CurrentLocalCopy(Desktop& platform, const Selection& app, const std::string& local);

}  // namespace corvane
