// Whether two slots' folders are one folder on disk, however each is written.
#pragma once

#include <string>

#include <span>
#include <vector>

#include "platform/Platform.h"
#include "settings/LauncherSettings.h"

namespace corvane {

// By the folders' identity where both can be read; otherwise by their full paths, normalised ("/" as "\", "."
// resolved, no trailing backslash, compared without case). Where neither decides, they count as one: a name that
// could be a backup of either is then kept.
bool SameFolder(Platform& platform, const std::string& a, const std::string& b);

// The file names of the other slots whose backups share the backup folder of `app` and could bear a name among
// `copies`: only they can make a name belong to two slots. Folders are compared for those slots alone, as comparing
// them asks the file system.
std::vector<std::string> NamesBackedUpInto(Platform& platform, const LauncherSettingsRecord& settings,
                                           const AppSlot& app, std::span<const FolderEntry> copies);

}  // namespace corvane
