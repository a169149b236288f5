// Folder identity first, normalised full paths second, and "the same" when neither can tell.
#include "support/SameFolder.h"

#include <algorithm>
#include <optional>

#include "settings/SelectApp.h"
#include "support/KeepCopies.h"

namespace corvane {

namespace {

std::optional<std::string> Normalised(Platform& platform, const std::string& folder) {
  std::optional<std::string> full = platform.FullPathName(folder);
  // "C:\" keeps its backslash, which names the root; "C:\Apps\" loses it.
  while (full && full->size() > 3 && full->ends_with('\\')) {
    full->pop_back();
  }
  return full;
}

}  // namespace

bool SameFolder(Platform& platform, const std::string& a, const std::string& b) {
  const std::optional<std::string> idA = platform.FolderIdentity(a), idB = platform.FolderIdentity(b);
  if (idA && idB) {
    return *idA == *idB;
  }
  const std::optional<std::string> fullA = Normalised(platform, a), fullB = Normalised(platform, b);
  return !fullA || !fullB || platform.SameFileName(*fullA, *fullB);
}

std::vector<std::string> NamesBackedUpInto(Platform& platform, const LauncherSettingsRecord& settings,
                                           const AppSlot& app, std::span<const FolderEntry> copies) {
  const auto sameName = [&](std::string_view a, std::string_view b) { return platform.SameFileName(a, b); };
  std::vector<std::string> names;
  for (const AppSlot& other : settings.Apps) {
    const bool mayOwnOne = std::ranges::any_of(
        copies, [&](const FolderEntry& copy) { return !BackupDates(copy.name, other.AppName, sameName).empty(); });
    if (mayOwnOne && !sameName(other.AppName, app.AppName) && IsFullFolder(other.AppPath) &&
        SameFolder(platform, other.AppPath, app.AppPath)) {
      names.push_back(other.AppName);
    }
  }
  return names;
}

}  // namespace corvane
