// SaveSettings: the editor's texts into the settings files, then into the record.
#include <algorithm>

#include "platform/Failure.h"
#include "settings/SaveSettings.h"
#include "settings/SettingsFields.h"
#include "settings/SettingsFiles.h"

namespace corvane {
namespace {

// One file's fields and the texts that go into them.
struct Group {
  std::vector<std::string> texts;
  std::vector<SettingsField> fields;
  std::string_view path;
};

// An optional file that does not exist is written only once it would hold more than its defaults: a PC that never
// needed it keeps none.
std::vector<Group> GroupsOf(Platform& platform, const SettingsTexts& texts) {
  std::vector<Group> groups;
  for (std::string_view file : SettingsFileNames()) {
    std::vector<std::string> values = TextsOf(texts, file);
    if (IsOptionalFile(file) && values == DefaultsOf(platform, file) &&
        !platform.Exists(std::string(file), Lookup::AllFiles)) {
      continue;
    }
    groups.push_back({std::move(values), FieldsOf(file), file});
  }
  return groups;
}

// The files have no escape for quotes or line breaks, and hold only what the code page can: such a value would
// come back changed, or shift every later field, so it is refused before anything is stored.
bool AllFit(Desktop& platform, const std::vector<Group>& groups) {
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

std::vector<std::string> TextsOf(const SettingsTexts& texts, std::string_view file) {
  std::vector<std::string> values;
  for (const SettingsField& field : FieldsOf(file)) {
    const auto text = texts.find(field.box);
    values.push_back(text == texts.end() ? std::string() : text->second);
  }
  return values;
}

SettingsTexts StoredTexts(LauncherSettingsRecord& settings) {
  SettingsTexts texts;
  for (const SettingsField& field : SettingsFields()) {
    texts[field.box] = field.In(settings);
  }
  return texts;
}

namespace Shortcuts11 {

bool SaveSettings(Desktop& platform, LauncherSettingsRecord& settings, const SettingsTexts& texts,
                  std::span<const std::string> leaveAlone) {
  std::vector<Group> groups = GroupsOf(platform, texts);
  std::erase_if(groups,
                [&](const Group& group) { return std::ranges::find(leaveAlone, group.path) != leaveAlone.end(); });
  if (!AllFit(platform, groups)) {
    return false;
  }
  std::vector<SettingsFileText> files;
  for (const Group& group : groups) {
    files.push_back({group.path, group.texts});
  }
  WriteSettingsFiles(platform, files);
  // The running program takes the new settings only once they are stored.
  for (const Group& group : groups) {
    for (std::size_t i = 0; i < group.texts.size(); ++i) {
      group.fields[i].In(settings) = group.texts[i];
    }
    std::erase(settings.UnreadFiles, group.path);
  }
  return true;
}

}  // namespace Shortcuts11
}  // namespace corvane
