// The settings record: every slot's database, folder, caption and local copy, the manuals, the title and the current
// selection.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"

namespace corvane {

inline constexpr int kSlotCount = 11;

struct AppSlot {
  std::string AppName;      // database file name with extension, no folder
  std::string AppPath;      // its folder, no trailing backslash
  std::string Alias;        // launcher button caption
  std::string LocalCopy{};  // "Yes" where the slot runs a copy on this PC; any other text means no
};

struct LauncherSettingsRecord {
  std::array<AppSlot, kSlotCount> Apps;
  std::string ManualName1;
  std::string ManualName2;
  std::string ManualPath;
  std::string SupportUrl;
  std::string Title;
  std::string LocalCopiesFolder;  // as typed, environment references unexpanded
  std::string CurrentAppName;
  std::string CurrentAppPath;
  std::string CurrentAppFullPath;
  // The settings files that could not be read whole when the settings were loaded, and have not been replaced since:
  // the record does not hold what they hold.
  std::vector<std::string> UnreadFiles;
};

// The settings editor's texts, by the name of the box that shows each ("cAppName0", "cTitle"); a box not given is
// empty.
using SettingsTexts = std::map<std::string, std::string, std::less<>>;

// A settings file that is present but could not be read whole.
struct SettingsProblem {
  std::string file;
  std::string description;
};

}  // namespace corvane
