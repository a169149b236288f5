// LoadSettings: each settings file on its own, from the file or, when it is missing, from the defaults.
#include <optional>

#include "platform/Failure.h"
#include "settings/LoadSettings.h"
#include "settings/SettingsFields.h"
#include "settings/SettingsFiles.h"

namespace corvane {
namespace {

using Values = std::vector<std::string>;

// A settings file is one short line; a larger file is no settings file, and reading it whole could hold up start-up.
constexpr std::size_t kLargestFile = 64 * 1024;
// What Notepad may put before text it saves as UTF-8.
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// The file's text: UTF-8 after the mark, otherwise in the ANSI code page, as the program writes it.
std::string ReadSettingsText(Platform& platform, const std::string& file) {
  const std::string bytes = platform.ReadBytes(file, kLargestFile + 1);
  if (bytes.size() > kLargestFile) {
    throw ProgramError(file + " was not read: at more than 64 KB it can not be a settings file.");
  }
  return bytes.starts_with(kUtf8Mark) ? bytes.substr(kUtf8Mark.size()) : platform.FromAnsi(bytes);
}

// Only a missing file means the defaults: a folder in its place is a file that can not be read.
Values ReadOrDefault(Platform& platform, const std::string& file, std::size_t count) {
  if (platform.Exists(file, Lookup::NormalFiles)) {
    return ReadSettingsFields(ReadSettingsText(platform, file), count);
  }
  if (platform.Exists(file, Lookup::Directories)) {
    throw ProgramError(file + " could not be read: it is a folder, not a file.");
  }
  return DefaultsOf(platform, file);
}

// The first values.size() fields; the rest keep what they held.
void Assign(LauncherSettingsRecord& settings, const std::vector<SettingsField>& fields, const Values& values) {
  for (std::size_t i = 0; i < values.size() && i < fields.size(); ++i) {
    fields[i].In(settings) = values[i];
  }
}

// A damaged or unreadable file ends only that file: the other files are still read. Returns what went wrong.
std::optional<std::string> LoadFile(Platform& platform, LauncherSettingsRecord& settings, std::string_view path) {
  const std::string file(path);
  const std::vector<SettingsField> fields = FieldsOf(file);
  try {
    const Values values = ReadOrDefault(platform, file, fields.size());
    Assign(settings, fields, values);
    if (values.size() < fields.size()) {
      throw ProgramError("Input past end of file: " + file + " holds " + std::to_string(values.size()) + " of its " +
                         std::to_string(fields.size()) + " fields.");
    }
    return std::nullopt;
  } catch (const std::exception& failure) {
    if (IsOptionalFile(file)) {
      Assign(settings, fields, DefaultsOf(platform, file));
    }
    return failure.what();
  }
}

}  // namespace

std::vector<SettingsProblem> ReadSettings(Platform& platform, LauncherSettingsRecord& settings) {
  std::vector<SettingsProblem> problems;
  for (std::string_view file : SettingsFileNames()) {
    if (auto description = LoadFile(platform, settings, file)) {
      problems.push_back({std::string(file), std::move(*description)});
    }
  }
  settings.UnreadFiles.clear();
  for (const SettingsProblem& problem : problems) {
    settings.UnreadFiles.push_back(problem.file);
  }
  return problems;
}

namespace Shortcuts11 {

void LoadSettings(Desktop& platform, LauncherSettingsRecord& settings) {
  for (const SettingsProblem& problem : ReadSettings(platform, settings)) {
    GoOnAfterFailure(platform, [&] { ShowInfo(platform, problem.description); });
  }
}

}  // namespace Shortcuts11
}  // namespace corvane
