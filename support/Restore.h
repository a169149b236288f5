// Putting a backup back over a slot's database: never without the database as it was kept beside it first.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "settings/LauncherSettings.h"
#include "settings/SelectApp.h"

namespace corvane {

// ArcBackup\BeforeRestore_<file name>: the database as it was before the last restore, which Corvane never deletes.
std::string BeforeRestorePath(const Selection& app);

// Whether `copyName`, a file name in the slot's backup folder, is one a restore may take: one of the slot's own dated
// backups, as /keep counts them, or the copy taken before its last compaction.
bool IsRestorableCopy(Platform& platform, const Selection& app, const std::string& copyName);

// A copy the restore window offers, as its line shows it.
struct RestoreChoice {
  std::string line;  // "<date>   <size> KB   <file name>", or "... before the last compaction" for the safety copy
  std::string path;
  std::string date;  // in the user's short date format
};
// The slot's own dated backups, newest first, then the copy taken before its last compaction, dated by when it was
// last written. Throws where the backup folder cannot be listed.
std::vector<RestoreChoice> RestoreChoices(Platform& platform, const LauncherSettingsRecord& settings, int slot);

struct RestoreResult {
  std::string inUse;  // where someone has the database open; nothing was done then
  std::string kept;   // BeforeRestore_, where the database as it was is kept; empty when it was missing
  std::uint64_t bytesCopied = 0;
};

// The in-use guard; the marker, so that every launcher and backup keeps away; the database kept as BeforeRestore_;
// the copy put in its place; the check that the database now holds the copy's bytes. Throws, saying what was kept
// and where, when a step fails; where the copy or its check fails, the database is first put back as it was.
RestoreResult RestoreFromCopy(Platform& platform, const Selection& app, const std::string& copyPath);

}  // namespace corvane
