// Which of a slot's old backups go once a new one is written and only N are kept.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Platform.h"

namespace corvane {

// A file in the ArcBackup folder, with the local time it was made.
using BackupCopy = FolderEntry;

// Whether two file names name the same file, as the file system compares them.
using SameName = std::function<bool(std::string_view, std::string_view)>;

// Every date on which the program would have named a backup of `appName` exactly `fileName`: "Arc", month 1 to 12,
// a day of that month, the year less 2000 (2000 to 2099), then the file name. Empty when the name is no backup of it.
std::vector<Date> BackupDates(std::string_view fileName, std::string_view appName, const SameName& sameName);

// Days from `from` to `to`: negative where `to` is earlier.
long DaysBetween(const Date& from, const Date& to);
// The day the newest of the slot's own backups in `folder` was made, dated as CopiesToDelete dates them; a copy dated
// in the future does not count. Nothing where the slot has none.
std::optional<Date> NewestBackupDay(std::span<const BackupCopy> folder, std::string_view appName,
                                    std::span<const std::string> neighbours, const Date& today,
                                    const SameName& sameName);

// A backup of the slot, with the day it counts as made on.
struct DatedCopy {
  const BackupCopy* copy;
  Date day;
};
// The slot's own backups in `folder`, newest first, dated as CopiesToDelete dates them.
std::vector<DatedCopy> OwnBackupsNewestFirst(std::span<const BackupCopy> folder, std::string_view appName,
                                             std::span<const std::string> neighbours, const SameName& sameName);

struct KeepRule {
  std::string_view appName;
  // The file names of the other databases whose backups share the folder: a name that could be a backup of one of
  // them is left alone.
  std::span<const std::string> neighbours;
  std::string_view justWritten;  // always stays
  int keep;                      // copies kept, the one just written among them; 0 keeps all
  Date today;
};

struct KeepPlan {
  std::vector<std::string> doomed;  // oldest last
  // Copies of the slot that neither count nor go, with why: "read-only", "dated in the future".
  std::vector<std::pair<std::string, std::string>> setAside;
  std::optional<std::string> newestOlder;  // the newest counted copy besides the one just written
};

// The backups beyond the newest `keep`. A copy's age is the date in its name where the name can mean only one date,
// otherwise the time the copy was made; never when it was last written, which opening a copy changes. A read-only
// copy was made so to be kept, and one whose every date is after tomorrow would hold its place for ever: both are
// set aside.
KeepPlan CopiesToDelete(std::span<const BackupCopy> folder, const KeepRule& rule, const SameName& sameName);

}  // namespace corvane
