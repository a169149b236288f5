// The newest of a slot's backups by the /keep rules, and its age in words.
#include "support/BackupAge.h"

#include <algorithm>

#include "locate/Locate.h"
#include "settings/SelectApp.h"
#include "support/KeepCopies.h"
#include "support/SameFolder.h"

namespace corvane {

namespace {

// A week without a backup is worth a glance; more is worth a colour.
constexpr long kOverdueDays = 7;

}  // namespace

std::string BackupAgeText(std::optional<long> days) {
  if (!days) {
    return "never";
  }
  return *days == 0 ? "today" : *days == 1 ? "yesterday" : std::to_string(*days) + " days ago";
}

LastBackup LastBackupOf(Platform& platform, const LauncherSettingsRecord& settings, int slot) {
  const AppSlot& app = settings.Apps[static_cast<std::size_t>(slot)];
  if (!IsFullFolder(app.AppPath) || app.AppName.empty()) {
    return {};
  }
  const Date today = platform.Now();
  const auto sameName = [&](std::string_view a, std::string_view b) { return platform.SameFileName(a, b); };
  std::optional<Date> newest;
  try {
    const std::vector<BackupCopy> copies = platform.ListFiles(BackupFolderOf(app.AppPath));
    if (!copies.empty()) {
      newest =
          NewestBackupDay(copies, app.AppName, NamesBackedUpInto(platform, settings, app, copies), today, sameName);
    }
  } catch (const PlatformError&) {
    return {"cannot look", false};
  }
  // A copy dated tomorrow, by a clock a little ahead, was made today.
  const std::optional<long> days =
      newest ? std::optional(std::max(0L, DaysBetween(*newest, today))) : std::optional<long>();
  const bool old = !days || *days > kOverdueDays;
  return {BackupAgeText(days), old && Probe(platform, app.AppPath + "\\" + app.AppName)};
}

}  // namespace corvane
