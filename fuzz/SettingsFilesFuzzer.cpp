// Any bytes in any of the three settings files: LoadSettings gives the fields or says which file failed.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include "FakePlatform.h"
#include "settings/LauncherSettings.h"
#include "settings/SettingsFiles.h"

namespace {

using corvane::testing::FakePlatform;

void Require(bool condition) {
  if (!condition) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  FakePlatform machine;
  const std::string files[] = {std::string(corvane::kAppNamesFile), std::string(corvane::kPathsFile),
                               std::string(corvane::kAppAliasFile)};
  const std::size_t counts[] = {14, 13, 11};
  std::string contents[3];
  bool present[3];
  for (int i = 0; i < 3; ++i) {
    present[i] = input.ConsumeBool();
    contents[i] = i == 2 ? input.ConsumeRemainingBytesAsString() : input.ConsumeRandomLengthString();
    if (present[i]) {
      machine.AddFile(files[i], contents[i]);
    }
  }

  corvane::Shortcuts11::LauncherSettings = {};
  corvane::Shortcuts11::LoadSettings(machine);

  // One message at most per file, each naming the file it is about; a file that reads whole says nothing.
  Require(machine.messages.size() <= 3);
  for (int i = 0; i < 3; ++i) {
    bool named = false;
    for (const auto& message : machine.messages) {
      named = named || message.text.find(files[i]) != std::string::npos;
    }
    const bool whole = !present[i] || corvane::ReadSettingsFields(contents[i], counts[i]).size() == counts[i];
    Require(named != whole);
  }
  // What was read comes back unchanged through the writer where the files can hold it.
  const auto fields = corvane::ReadSettingsFields(contents[0], counts[0]);
  if (fields.size() == counts[0]) {
    bool fits = true;
    for (const auto& field : fields) {
      fits = fits && corvane::FitsSettingsFile(field);
    }
    if (fits) {
      Require(corvane::ReadSettingsFields(corvane::FormatSettingsLine(fields), counts[0]) == fields);
    }
  }
  return 0;
}
