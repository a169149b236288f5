// Reading the settings files into the record at start-up.
#pragma once

#include <vector>

#include "platform/Desktop.h"
#include "settings/LauncherSettings.h"

namespace corvane {

// Fills the record from the settings files, or from defaults for a file that is missing; returns the files that are
// present but could not be read whole. Such a file's remaining fields keep their values.
std::vector<SettingsProblem> ReadSettings(Platform& platform, LauncherSettingsRecord& settings);
namespace Shortcuts11 {

// ReadSettings, telling the user of each file that could not be read whole.
void LoadSettings(Desktop& platform, LauncherSettingsRecord& settings);

}  // namespace Shortcuts11
}  // namespace corvane
