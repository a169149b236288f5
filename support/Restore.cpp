// The restore's steps, in the one order the Restore button and /restore follow.
#include "support/Restore.h"

#include "launcher/CompactingMarker.h"
#include "launcher/CompactionCheck.h"
#include "launcher/InUse.h"
#include "platform/Failure.h"
#include "platform/ReplaceViaScratch.h"
#include "support/Compact.h"
#include "support/KeepCopies.h"
#include "support/SameFolder.h"

namespace corvane {

namespace {

// Enough of the head to tell one database from another: a page header and more.
constexpr std::size_t kComparedBytes = 4096;

// Whether the database holds the copy's bytes as far as a restore checks them.
bool HoldsTheCopy(Platform& platform, const std::string& database, const std::string& copy) {
  return platform.FileSize(database) == platform.FileSize(copy) &&
         platform.ReadBytes(database, kComparedBytes) == platform.ReadBytes(copy, kComparedBytes);
}

}  // namespace

std::string BeforeRestorePath(const Selection& app) {
  return BackupFolderOf(app.AppPath) + "\\BeforeRestore_" + app.AppName;
}

bool IsRestorableCopy(Platform& platform, const Selection& app, const std::string& copyName) {
  const auto sameName = [&](std::string_view a, std::string_view b) { return platform.SameFileName(a, b); };
  return !BackupDates(copyName, app.AppName, sameName).empty() || sameName(copyName, "PreCompact_" + app.AppName);
}

std::vector<RestoreChoice> RestoreChoices(Platform& platform, const LauncherSettingsRecord& settings, int slot) {
  const AppSlot& app = settings.Apps[static_cast<std::size_t>(slot)];
  const std::string folder = BackupFolderOf(app.AppPath);
  const std::vector<BackupCopy> copies = platform.ListFiles(folder);
  const auto sameName = [&](std::string_view a, std::string_view b) { return platform.SameFileName(a, b); };
  const std::string separator = platform.DecimalSeparator();
  std::vector<RestoreChoice> choices;
  const auto offer = [&](const BackupCopy& copy, const Date& day, const std::string& what) {
    const std::string date = platform.ShortDate(day);
    choices.push_back(
        {date + "   " + KiloBytesText(copy.size, separator) + " KB   " + what, folder + "\\" + copy.name, date});
  };
  for (const DatedCopy& dated :
       OwnBackupsNewestFirst(copies, app.AppName, NamesBackedUpInto(platform, settings, app, copies), sameName)) {
    offer(*dated.copy, dated.day, dated.copy->name);
  }
  for (const BackupCopy& copy : copies) {
    if (sameName(copy.name, "PreCompact_" + app.AppName)) {
      offer(copy, copy.lastWritten, "before the last compaction");
    }
  }
  return choices;
}

RestoreResult RestoreFromCopy(Platform& platform, const Selection& app, const std::string& copyPath) {
  const std::string& database = app.FullPath;
  RestoreResult result;
  if (const auto where = WhereInUse(platform, database)) {
    result.inUse = *where;
    return result;
  }
  const CompactingMarker marker(platform, app, true);
  if (platform.Exists(database, Lookup::AllFiles)) {
    try {
      CopyInto(platform, database, BeforeRestorePath(app));
    } catch (const std::exception& failure) {
      throw ProgramError(std::string(failure.what()) + " Nothing was restored: " + app.AppName + " is as it was.");
    }
    result.kept = BeforeRestorePath(app);
  }
  try {
    CopyViaScratch(platform, copyPath, database);
    if (!HoldsTheCopy(platform, database, copyPath)) {
      throw ProgramError(database + " does not hold the bytes of " + copyPath + " after the copy.");
    }
  } catch (const std::exception& failure) {
    const std::string what = std::string("Restoring ") + app.AppName + " failed: " + failure.what();
    if (result.kept.empty()) {
      throw ProgramError(what + " There was no database before the restore to put back.");
    }
    try {
      CopyViaScratch(platform, result.kept, database);
    } catch (const std::exception& putBack) {
      throw ProgramError(what + " The database could not be put back as it was: " + putBack.what() + " It is kept at " +
                         result.kept + ".");
    }
    throw ProgramError(what + " The database was put back as it was, and is also kept at " + result.kept + ".");
  }
  result.bytesCopied = platform.FileSize(database);
  return result;
}

}  // namespace corvane
