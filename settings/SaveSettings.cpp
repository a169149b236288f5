// SaveSettings: the editor's texts into the three files, then into the record.
#include <algorithm>

#include "platform/Failure.h"
#include "settings/LauncherSettings.h"
#include "settings/SettingsFields.h"
#include "settings/SettingsFiles.h"

namespace corvane::Shortcuts11 {
namespace {

struct Group {
  std::span<const std::string> texts;
  std::vector<SettingsField> fields;
  std::string_view path;
};

std::vector<Group> GroupsOf(const SettingsTexts& texts) {
  return {
      {texts.appNames, AppNamesFields(LauncherSettings), kAppNamesFile},
      {texts.paths, PathsFields(LauncherSettings), kPathsFile},
      {texts.aliases, AppAliasFields(LauncherSettings), kAppAliasFile},
  };
}

// The files have no escape for quotes or line breaks, and hold only what the code page can: such a value would
// come back changed, or shift every later field, so it is refused before anything is stored.
bool AllFit(Platform& platform, const std::vector<Group>& groups) {
  for (const Group& group : groups) {
    for (std::size_t i = 0; i < group.texts.size(); ++i) {
      const std::string& label = group.fields[i].label;
      if (!FitsSettingsFile(group.texts[i])) {
        ShowInfo(platform, label + " can not hold a double quote or a line break. Nothing was saved.");
        return false;
      }
      if (!platform.FitsTextFile(group.texts[i])) {
        ShowInfo(platform,
                 label + " holds characters that this computer's code page can not store. Nothing was saved.");
        return false;
      }
    }
  }
  return true;
}

}  // namespace

std::span<const std::string> TextsOf(const SettingsTexts& texts, std::string_view file) {
  if (file == kAppNamesFile) {
    return texts.appNames;
  }
  return file == kPathsFile ? std::span<const std::string>(texts.paths) : texts.aliases;
}

bool SaveSettings(Platform& platform, const SettingsTexts& texts, std::span<const std::string> leaveAlone) {
  std::vector<Group> groups = GroupsOf(texts);
  std::erase_if(groups,
                [&](const Group& group) { return std::ranges::find(leaveAlone, group.path) != leaveAlone.end(); });
  if (!AllFit(platform, groups)) {
    return false;
  }
  return RunGuarded(platform, [&] {
    std::vector<SettingsFileText> files;
    for (const Group& group : groups) {
      files.push_back({group.path, group.texts});
    }
    WriteSettingsFiles(platform, files);
    // The running program takes the new settings only once they are stored.
    for (const Group& group : groups) {
      for (std::size_t i = 0; i < group.texts.size(); ++i) {
        *group.fields[i].value = group.texts[i];
      }
      std::erase(LauncherSettings.UnreadFiles, group.path);
    }
  });
}

}  // namespace corvane::Shortcuts11
