// How old a slot's newest backup is, as the support window shows it beside the slot's box.
#pragma once

#include <optional>
#include <string>

#include "platform/Platform.h"
#include "settings/LauncherSettings.h"

namespace corvane {

struct LastBackup {
  // "today", "yesterday", "<N> days ago", "never", "cannot look" where the backup folder cannot be listed, and nothing
  // for a slot without a folder or a file name.
  std::string text;
  bool overdue = false;  // older than 7 days, or never, while the database is there
};

// "today", "yesterday", "<N> days ago", or "never" where there is no backup.
std::string BackupAgeText(std::optional<long> days);

// The slot's newest backup, as /keep counts and dates its copies; a copy dated in the future does not count.
LastBackup LastBackupOf(Platform& platform, const LauncherSettingsRecord& settings, int slot);

}  // namespace corvane
