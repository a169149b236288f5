// Whether two slots' folders are one folder on disk, however each is written.
#pragma once

#include <string>

#include <vector>

#include "platform/Platform.h"
#include "settings/LauncherSettings.h"

namespace corvane {

// By the folders' identity where both can be read; otherwise by their full paths, normalised ("/" as "\", "."
// resolved, no trailing backslash, compared without case). Where neither decides, they count as one: a name that
// could be a backup of either is then kept.
bool SameFolder(Platform& platform, const std::string& a, const std::string& b);

// The file names of every slot whose folder is `folder`, so whose backups share its backup folder.
std::vector<std::string> NamesBackedUpInto(Platform& platform, const LauncherSettingsRecord& settings,
                                           const std::string& folder);

}  // namespace corvane
