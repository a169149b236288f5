// The mapping between file positions and record fields, shared by loading and saving.
#include "settings/SettingsFields.h"

#include <span>

namespace corvane {
namespace {

std::string SlotLabel(int slot, const char* box) {
  return "App" + std::to_string(slot + 1) + " " + box;
}

}  // namespace

std::vector<SettingsField> AppNamesFields(LauncherSettingsRecord& record) {
  std::vector<SettingsField> fields;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    fields.push_back({&record.Apps[slot].AppName, SlotLabel(slot, "File Name")});
  }
  fields.push_back({&record.ManualName1, "Manual 1 File Name"});
  fields.push_back({&record.ManualName2, "Manual 2 File Name"});
  fields.push_back({&record.Title, "Toolbar Name"});
  return fields;
}

std::vector<SettingsField> PathsFields(LauncherSettingsRecord& record) {
  std::vector<SettingsField> fields;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    fields.push_back({&record.Apps[slot].AppPath, SlotLabel(slot, "Path")});
  }
  fields.push_back({&record.ManualPath, "Manuals Path"});
  fields.push_back({&record.SupportUrl, "Web Support Page"});
  return fields;
}

std::vector<SettingsField> AppAliasFields(LauncherSettingsRecord& record) {
  std::vector<SettingsField> fields;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    fields.push_back({&record.Apps[slot].Alias, SlotLabel(slot, "Button Name")});
  }
  return fields;
}

}  // namespace corvane

namespace corvane::Shortcuts11 {

SettingsTexts StoredTexts() {
  SettingsTexts texts;
  const auto copy = [](const std::vector<SettingsField>& fields, std::span<std::string> into) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
      into[i] = *fields[i].value;
    }
  };
  copy(AppNamesFields(LauncherSettings), texts.appNames);
  copy(PathsFields(LauncherSettings), texts.paths);
  copy(AppAliasFields(LauncherSettings), texts.aliases);
  return texts;
}

}  // namespace corvane::Shortcuts11
