// Keeping the N newest backups of a slot, and never touching a file that is not one of them.
#include "unattended/KeepCopies.h"

#include <algorithm>

namespace corvane {

bool IsBackupOf(std::string_view fileName, std::string_view appName, const SameName& sameName) {
  if (!sameName(fileName.substr(0, 3), "Arc")) {
    return false;
  }
  // The file name may itself start with digits ("Arc12726" + "2024.mde"), so every cut of the digits is tried.
  for (std::size_t at = 3; at < fileName.size() && fileName[at] >= '0' && fileName[at] <= '9'; ++at) {
    if (sameName(fileName.substr(at + 1), appName)) {
      return true;
    }
  }
  return false;
}

std::vector<std::string> CopiesToDelete(std::span<const BackupCopy> folder, std::string_view appName,
                                        std::string_view justWritten, int keep, const SameName& sameName) {
  if (keep <= 0) {
    return {};
  }
  std::vector<const BackupCopy*> others;
  for (const BackupCopy& copy : folder) {
    if (IsBackupOf(copy.name, appName, sameName) && !sameName(copy.name, justWritten)) {
      others.push_back(&copy);
    }
  }
  const auto othersKept = static_cast<std::size_t>(keep - 1);
  // Newest first; of two written at the same moment, the one created later is the newer.
  std::ranges::stable_sort(others, [](const BackupCopy* a, const BackupCopy* b) {
    return a->lastWrite != b->lastWrite ? a->lastWrite > b->lastWrite : a->created > b->created;
  });
  std::vector<std::string> doomed;
  for (std::size_t i = othersKept; i < others.size(); ++i) {
    doomed.push_back(others[i]->name);
  }
  return doomed;
}

}  // namespace corvane
