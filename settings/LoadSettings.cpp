// LoadSettings: each settings file on its own, from the file or, when it is missing, from the defaults.
#include <optional>

#include "platform/Failure.h"
#include "settings/LoadSettings.h"
#include "settings/SettingsFields.h"
#include "settings/SettingsFiles.h"
#include "settings/TextEncoding.h"

namespace corvane {
namespace {

using Values = std::vector<std::string>;

// A settings file is one short line; a larger file is no settings file, and reading it whole could hold up start-up.
constexpr std::size_t kLargestFile = 64 * 1024;
// The file's text in whichever encoding an editor saved it; the record holds only what the ANSI code page can, as
// the program writes its files in it.
std::string ReadSettingsText(Platform& platform, const std::string& file) {
  const std::string bytes = platform.ReadBytes(file, kLargestFile + 1);
  if (bytes.size() > kLargestFile) {
    throw ProgramError(file + " was not read: at more than 64 KB it can not be a settings file.");
  }
  const std::optional<std::string> unicode = UnicodeText(bytes);
  if (!unicode) {
    return platform.FromAnsi(bytes);
  }
  if (!platform.FitsTextFile(*unicode)) {
    throw ProgramError(file + " holds characters that cannot be saved as ANSI.");
  }
  return *unicode;
}

// Only a missing file means the defaults: a folder in its place is a file that can not be read. A hidden, system or
// read-only file is read like any other.
Values ReadOrDefault(Platform& platform, const std::string& file, std::size_t count) {
  if (platform.Exists(file, Lookup::AllFiles)) {
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
  const std::optional<std::string> unfinished = FinishInterruptedSave(platform);
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
  if (unfinished) {
    problems.insert(problems.begin(), {std::string(kSaveUnderWay), *unfinished});
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
