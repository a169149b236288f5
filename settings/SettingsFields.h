// Which record field each position of each settings file holds, and what the user calls it.
#pragma once

#include <string>
#include <vector>

#include "settings/LauncherSettings.h"

namespace corvane {

struct SettingsField {
  std::string* value;
  std::string label;  // as the settings editor names the box
};

// The fields of each file, in file order.
std::vector<SettingsField> AppNamesFields(LauncherSettingsRecord& record);
std::vector<SettingsField> PathsFields(LauncherSettingsRecord& record);
std::vector<SettingsField> AppAliasFields(LauncherSettingsRecord& record);

}  // namespace corvane
