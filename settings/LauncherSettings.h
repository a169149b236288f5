// The program-wide settings record, and the routines that load, save and select from it.
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
  std::string AppName;  // database file name with extension, no folder
  std::string AppPath;  // its folder, no trailing backslash
  std::string Alias;    // launcher button caption
};

struct LauncherSettingsRecord {
  std::array<AppSlot, kSlotCount> Apps;
  std::string ManualName1;
  std::string ManualName2;
  std::string ManualPath;
  std::string SupportUrl;
  std::string Title;
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

namespace Shortcuts11 {

inline LauncherSettingsRecord LauncherSettings;

// Fills the record from the three settings files, or from defaults for a file that is missing; returns the files
// that are present but could not be read whole. Such a file's remaining fields keep their values.
std::vector<SettingsProblem> ReadSettings(Platform& platform);
// ReadSettings, telling the user of each file that could not be read whole.
void LoadSettings(Platform& platform);
// Stores the editor's texts and writes the three files, except those in `leaveAlone`, whose texts are neither
// written nor stored. Returns whether it completed.
bool SaveSettings(Platform& platform, const SettingsTexts& texts, std::span<const std::string> leaveAlone = {});
// The texts of `texts` that go into `file`, one of the settings files, in its order.
std::vector<std::string> TextsOf(const SettingsTexts& texts, std::string_view file);
// The stored settings as the editor's texts.
SettingsTexts StoredTexts();
// Sets the current selection from slot 0 to 10; any other number keeps name and folder and rebuilds the full path.
// Returns whether the selection names a database: one without a file name, or whose folder is not a full path, has
// none, and an empty full path.
bool SelectApp(int slot);
// What a slot without a database is told: "Cannot find <name> database."
std::string CannotFindDatabase(const std::string& appName);
// Whether a folder names one place whatever the current folder and drive: a drive's or a network share's.
bool IsFullFolder(std::string_view folder);

}  // namespace Shortcuts11
}  // namespace corvane
