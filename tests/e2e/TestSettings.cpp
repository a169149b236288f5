// Builds the settings most tests start from and writes them as the program's three files.
#include "TestSettings.h"

#include "DriveC.h"
#include "Wide.h"

namespace corvane::e2e {

void TestSettings::Write() const {
  WriteSettingsFiles(appNames, paths, aliases);
}

TestSettings SettingsWithFolders(std::wstring_view appFolder, std::wstring_view manualsFolder) {
  TestSettings settings;
  const std::string folder = ToUtf8(appFolder);
  for (int number = 1; number <= 11; ++number) {
    settings.appNames.push_back("App" + std::to_string(number) + ".mde");
    settings.paths.push_back(folder);
  }
  settings.appNames.insert(settings.appNames.end(), {"Manual1.pdf", "Manual2.pdf", "NAME"});
  settings.paths.insert(settings.paths.end(), {ToUtf8(manualsFolder), "http://localhost/hlq/supporthlq.htm"});
  settings.aliases = {"HLQ",      "Billing", "Contracts", "Grades", "Messages", "Promos",
                      "Purchase", "Quality", "Transcrip", "App10",  "App11"};
  return settings;
}

}  // namespace corvane::e2e
