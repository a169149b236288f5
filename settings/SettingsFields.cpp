// The settings table: the files' fields, in file order.
#include "settings/SettingsFields.h"

#include <array>

#include "settings/Defaults.h"

namespace corvane {
namespace {

using Record = LauncherSettingsRecord;

constexpr std::array kColumns{
    SettingsColumn{.file = kAppNamesFile,
                   .slotField = &AppSlot::AppName,
                   .label = "File Name",
                   .box = "cAppName",
                   .slotDefaults = kDefaultAppNames},
    SettingsColumn{.file = kAppNamesFile,
                   .field = &Record::ManualName1,
                   .label = "Manual 1 File Name",
                   .box = "cAppName11",
                   .fixedDefault = kDefaultManualName1},
    SettingsColumn{.file = kAppNamesFile,
                   .field = &Record::ManualName2,
                   .label = "Manual 2 File Name",
                   .box = "cAppName12",
                   .fixedDefault = kDefaultManualName2},
    SettingsColumn{.file = kAppNamesFile,
                   .field = &Record::Title,
                   .label = "Toolbar Name",
                   .box = "cTitle",
                   .fixedDefault = kDefaultTitle},
    SettingsColumn{.file = kPathsFile,
                   .slotField = &AppSlot::AppPath,
                   .label = "Path",
                   .box = "cHLPath",
                   .defaultsToProgramFolder = true},
    SettingsColumn{.file = kPathsFile,
                   .field = &Record::ManualPath,
                   .label = "Manuals Path",
                   .box = "cHLPath11",
                   .defaultsToProgramFolder = true},
    SettingsColumn{.file = kPathsFile,
                   .field = &Record::SupportUrl,
                   .label = "Web Support Page",
                   .box = "cHLPath12",
                   .fixedDefault = kDefaultSupportUrl},
    SettingsColumn{.file = kAppAliasFile,
                   .slotField = &AppSlot::Alias,
                   .label = "Button Name",
                   .box = "cAlias",
                   .slotDefaults = kDefaultAliases},
    SettingsColumn{.file = kLocalCopiesFile,
                   .slotField = &AppSlot::LocalCopy,
                   .label = "Local copy",
                   .box = "CheckLocal",
                   .fixedDefault = kNo,
                   .checkBox = true,
                   .optionalFile = true},
    SettingsColumn{.file = kLocalCopiesFile,
                   .field = &Record::LocalCopiesFolder,
                   .label = "Local copies folder",
                   .box = "cLocalPath",
                   .fixedDefault = kDefaultLocalCopiesFolder,
                   .optionalFile = true},
};

}  // namespace

std::string& SettingsField::In(LauncherSettingsRecord& record) const {
  return slot >= 0 ? record.Apps[static_cast<std::size_t>(slot)].*column->slotField : record.*column->field;
}

std::string SettingsField::Default(Platform& platform) const {
  if (column->defaultsToProgramFolder) {
    return platform.ProgramFolder();
  }
  const bool ownDefault = slot >= 0 && !column->slotDefaults.empty();
  return std::string(ownDefault ? column->slotDefaults[static_cast<std::size_t>(slot)] : column->fixedDefault);
}

std::vector<SettingsField> SettingsFields() {
  std::vector<SettingsField> fields;
  for (const SettingsColumn& column : kColumns) {
    if (column.slotField == nullptr) {
      fields.push_back({&column, -1, std::string(column.label), std::string(column.box)});
      continue;
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
      fields.push_back({&column, slot, "App" + std::to_string(slot + 1) + " " + std::string(column.label),
                        std::string(column.box) + std::to_string(slot)});
    }
  }
  return fields;
}

std::vector<SettingsField> FieldsOf(std::string_view file) {
  std::vector<SettingsField> fields = SettingsFields();
  std::erase_if(fields, [&](const SettingsField& field) { return field.file() != file; });
  return fields;
}

std::vector<std::string_view> SettingsFileNames() {
  std::vector<std::string_view> files;
  for (const SettingsColumn& column : kColumns) {
    if (files.empty() || files.back() != column.file) {
      files.push_back(column.file);
    }
  }
  return files;
}

bool IsOptionalFile(std::string_view file) {
  const std::vector<SettingsField> fields = FieldsOf(file);
  return !fields.empty() && fields.front().column->optionalFile;
}

std::vector<std::string> DefaultsOf(Platform& platform, std::string_view file) {
  std::vector<std::string> defaults;
  for (const SettingsField& field : FieldsOf(file)) {
    defaults.push_back(field.Default(platform));
  }
  return defaults;
}

}  // namespace corvane
