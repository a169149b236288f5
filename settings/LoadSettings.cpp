// LoadSettings: each settings file on its own, from the file or, when it is missing, from the defaults.
#include <functional>

#include "platform/Failure.h"
#include "settings/Defaults.h"
#include "settings/LauncherSettings.h"
#include "settings/SettingsFields.h"
#include "settings/SettingsFiles.h"

namespace corvane::Shortcuts11 {
namespace {

using Values = std::vector<std::string>;

Values DefaultAppNames() {
  Values values(kDefaultAppNames.begin(), kDefaultAppNames.end());
  values.insert(values.end(),
                {std::string(kDefaultManualName1), std::string(kDefaultManualName2), std::string(kDefaultTitle)});
  return values;
}

Values DefaultPaths(Platform& platform) {
  Values values(kSlotCount + 1, platform.ProgramFolder());  // every slot's folder and the manuals folder
  values.emplace_back(kDefaultSupportUrl);
  return values;
}

Values DefaultAliases() {
  return Values(kDefaultAliases.begin(), kDefaultAliases.end());
}

// A damaged or unreadable file is reported and ends only that file: the other files are still read.
void LoadFile(Platform& platform, std::string_view path, const std::vector<SettingsField>& fields,
              const std::function<Values()>& defaults) {
  RunGuarded(platform, [&] {
    const std::string file(path);
    const Values values = platform.Exists(file, Lookup::NormalFiles)
                              ? ReadSettingsFields(platform.ReadTextFile(file), fields.size())
                              : defaults();
    for (std::size_t i = 0; i < values.size(); ++i) {
      *fields[i].value = values[i];
    }
    if (values.size() < fields.size()) {
      throw ProgramError("Input past end of file: " + file + " holds " + std::to_string(values.size()) + " of its " +
                         std::to_string(fields.size()) + " fields.");
    }
  });
}

}  // namespace

void LoadSettings(Platform& platform) {
  LoadFile(platform, kAppNamesFile, AppNamesFields(LauncherSettings), DefaultAppNames);
  LoadFile(platform, kPathsFile, PathsFields(LauncherSettings), [&] { return DefaultPaths(platform); });
  LoadFile(platform, kAppAliasFile, AppAliasFields(LauncherSettings), DefaultAliases);
}

}  // namespace corvane::Shortcuts11
