// The one-line settings files: where they are, how a line is written and how fields are read back.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"

namespace corvane {

inline constexpr std::string_view kAppNamesFile = "C:\\CorvaneAppNames.txt";
inline constexpr std::string_view kPathsFile = "C:\\CorvanePaths.txt";
inline constexpr std::string_view kAppAliasFile = "C:\\CorvaneAppAlias.txt";
inline constexpr std::string_view kLocalCopiesFile = "C:\\CorvaneLocalCopies.txt";
// Present while a save puts its files in place: each file's new content is then whole beside it, under "<file>.new".
inline constexpr std::string_view kSaveUnderWay = "C:\\CorvaneSettings.saving";

// Every field in double quotes, single commas between, CR LF at the end; nothing escaped or trimmed.
std::string FormatSettingsLine(std::span<const std::string> fields);

// Reads up to `count` fields. Commas and line ends separate fields; a field that begins with a double quote runs
// to the next double quote; an unquoted field runs to the next comma or line end, without surrounding blanks.
// Fewer than `count` fields come back when the text runs out.
std::vector<std::string> ReadSettingsFields(std::string_view text, std::size_t count);

// Whether the files can hold `value` at all: they have no escape for quotes or line breaks.
bool FitsSettingsFile(std::string_view value);

struct SettingsFileText {
  std::string_view path;
  std::span<const std::string> fields;
};

// All or nothing: writes every file beside its final name first and puts them in place only once all are written;
// when one cannot be put in place, those already replaced get their former content back, so that a failed save
// leaves every file as it was, and none half written. Where Windows refuses for want of rights, the failure says
// who may change the settings; a read-only file is named as such.
void WriteSettingsFiles(Platform& platform, std::span<const SettingsFileText> files);

// Finishes a save that a crash or a power cut ended while it put its files in place, so that the files hold one
// version, the new one: each "<file>.new" still there replaces its file. Returns what prevented that, where anything
// did; the files are then read as they are.
std::optional<std::string> FinishInterruptedSave(Platform& platform);

}  // namespace corvane
