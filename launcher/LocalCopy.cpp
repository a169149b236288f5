// Local copies: where they go, and when the master is copied over them.
#include "launcher/LocalCopy.h"

#include <algorithm>

#include "launcher/InUse.h"
#include "launcher/UnfinishedCompaction.h"
#include "platform/Environment.h"
#include "platform/Failure.h"
#include "platform/ReplaceViaScratch.h"
#include "settings/SettingsFields.h"

namespace corvane {

bool RunsLocalCopy(const LauncherSettingsRecord& settings, int slot) {
  return settings.Apps[static_cast<std::size_t>(slot)].LocalCopy == kYes;
}

std::string LocalCopiesFolder(Platform& platform, const LauncherSettingsRecord& settings) {
  std::string folder = ExpandEnvironment(platform, settings.LocalCopiesFolder);
  while (folder.size() > 2 && folder.ends_with('\\')) {
    folder.pop_back();
  }
  if (!IsFullFolder(folder)) {
    throw ProgramError("The local copies folder \"" + folder +
                       "\" is not a full path such as C:\\Corvane. Correct it in Support, Edit App Paths.");
  }
  return folder;
}

std::string LocalCopyPath(Platform& platform, const LauncherSettingsRecord& settings, int slot) {
  return LocalCopiesFolder(platform, settings) + "\\App" + std::to_string(slot + 1) + "\\" +
         settings.Apps[static_cast<std::size_t>(slot)].AppName;
}

// The root, "C:" or "\\server\share", is never made; each level below it is looked for and made in turn. A file in
// the place of a level is the local copies folder set wrong.
void CreateFolders(Platform& platform, const std::string& folder, const std::string& copiesFolder) {
  std::size_t root = 2;
  if (folder.starts_with("\\\\")) {
    const std::size_t server = folder.find('\\', 2);
    root = server == std::string::npos ? folder.size() : std::min(folder.find('\\', server + 1), folder.size());
  }
  for (std::size_t end = folder.find('\\', root + 1);; end = folder.find('\\', end + 1)) {
    const std::string level = folder.substr(0, end);
    if (!platform.Exists(level + "\\", Lookup::AllFolders)) {
      if (platform.Exists(level, Lookup::AllFiles)) {
        throw ProgramError("The local copies folder " + copiesFolder +
                           " is a file, not a folder. Correct it in Support, Edit App Paths.");
      }
      platform.CreateFolder(level);
    }
    if (end == std::string::npos) {
      return;
    }
  }
}

std::optional<std::string> CurrentLocalCopy(Desktop& platform, const Selection& app, const std::string& local) {
  std::optional<FileStamp> master;
  try {
    master = platform.StampOf(app.FullPath);
  } catch (const PlatformError&) {
    // A server that cannot be reached is a master that is not there: people work on while it is down.
  }
  const std::optional<FileStamp> copy = platform.StampOf(local);
  if (!master) {
    if (!copy) {
      ShowInfo(platform, CannotFindDatabase(app.AppName));
      return std::nullopt;
    }
    return local;
  }
  // An open copy is the user's running application: it is opened again as it is.
  if (copy && (*copy == *master || platform.HeldOpen(local))) {
    return local;
  }
  try {
    // A master someone has open is likely half changed: a desk is better served by the whole copy it has.
    if (copy && WhereInUse(platform, app.FullPath)) {
      return local;
    }
    if (!ClearOfCompaction(platform, app, Purpose::Open)) {
      return std::nullopt;
    }
    const std::string appFolder = local.substr(0, local.rfind('\\'));
    CreateFolders(platform, appFolder, appFolder.substr(0, appFolder.rfind('\\')));
    // What a desk saved in its copy by mistake is kept once, so that it can be had back: only once the master's copy
    // is whole, as a copy that fails replaces nothing.
    CopyViaScratch(platform, app.FullPath, local, [&] {
      if (copy) {
        CopyViaScratch(platform, local, appFolder + "\\Previous_" + app.AppName);
      }
    });
  } catch (const std::exception& failure) {
    if (!copy) {
      throw;
    }
    ShowInfo(platform, std::string(failure.what()) + " The copy on this PC, " + local +
                           ", was kept as it was and opens instead.");
  }
  return local;
}

}  // namespace corvane
