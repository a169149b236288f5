// The one table of the settings: each field's file and place in it, the record field it fills, its default, the
// editor box that shows it and the name the editor's messages give it. Loading, saving and the editor all walk it.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"
#include "settings/LauncherSettings.h"
#include "settings/SettingsFiles.h"

namespace corvane {

// A row of the table: one field, or, where `slotField` is set, the same field of every slot, at the file's first
// positions, slot 0 first.
struct SettingsColumn {
  std::string_view file;
  std::string AppSlot::*slotField = nullptr;
  std::string LauncherSettingsRecord::*field = nullptr;
  std::string_view label;  // a slot's: "File Name", which slot 2 shows as "App3 File Name"
  std::string_view box;    // a slot's: "cAppName", which slot 2 shows as "cAppName2"
  std::span<const std::string_view> slotDefaults{};
  std::string_view fixedDefault{};
  bool defaultsToProgramFolder = false;  // where the program itself is
};

// One field of one file, as the table gives it.
struct SettingsField {
  const SettingsColumn* column;
  int slot;  // 0 to 10, or -1 for a field of the record itself
  std::string label;
  std::string box;

  std::string_view file() const { return column->file; }
  std::string& In(LauncherSettingsRecord& record) const;
  std::string Default(Platform& platform) const;
};

// Every field, each file's fields together and in the file's order.
std::vector<SettingsField> SettingsFields();
// The fields of one settings file, in its order.
std::vector<SettingsField> FieldsOf(std::string_view file);
// The settings files, in the order they are read and written.
std::vector<std::string_view> SettingsFileNames();

}  // namespace corvane
