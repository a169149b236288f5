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

// A check box's field: exactly "Yes" is yes, any other text no.
inline constexpr std::string_view kYes = "Yes";
inline constexpr std::string_view kNo = "No";

// A row of the table: one field, or, where `slotField` is set, the same field of every slot, at the file's first
// positions, slot 0 first.
struct SettingsColumn {
  std::string_view file;
  std::string AppSlot::*slotField = nullptr;
  std::string LauncherSettingsRecord::*field = nullptr;
  std::string_view label;  // a slot's: "File Name", which slot 2 shows as "App3 File Name"
  std::string_view box;    // a slot's: "cAppName", which slot 2 shows as "cAppName2"
  std::span<const std::string_view> slotDefaults{};
  std::string_view fixedDefault{};       // also every slot's, where there are no slot defaults
  bool defaultsToProgramFolder = false;  // where the program itself is
  bool checkBox = false;                 // the editor shows "Yes" as a ticked box, anything else as an empty one
  // Of a file that was added later, and that many offices never need: it is written only once it exists or holds more
  // than its defaults, and a damaged one counts for nothing, so that a stray "Yes" in it starts no copying.
  bool optionalFile = false;
};

// One field of one file, as the table gives it.
struct SettingsField {
  const SettingsColumn* column;
  int slot;  // 0 to 10, or -1 for a field of the record itself
  std::string label;
  std::string box;

  std::string_view file() const { return column->file; }
  bool IsCheckBox() const { return column->checkBox; }
  std::string& In(LauncherSettingsRecord& record) const;
  std::string Default(Platform& platform) const;
};

// Every field, each file's fields together and in the file's order.
std::vector<SettingsField> SettingsFields();
// The fields of one settings file, in its order.
std::vector<SettingsField> FieldsOf(std::string_view file);
// The settings files, in the order they are read and written.
std::vector<std::string_view> SettingsFileNames();
// Whether a settings file is one that is written only where it exists or holds more than its defaults.
bool IsOptionalFile(std::string_view file);
// Every field's default value, in the file's order.
std::vector<std::string> DefaultsOf(Platform& platform, std::string_view file);

}  // namespace corvane
