// A whole set of settings a test writes to drive C: before it starts the program.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvane::e2e {

// The three files' fields, in file order; a test changes the ones it is about, then writes them.
struct TestSettings {
  std::vector<std::string> appNames;  // the 11 slots' file names, manual 1, manual 2, the title
  std::vector<std::string> paths;     // the 11 slots' folders, the manuals folder, the support page
  std::vector<std::string> aliases;   // the 11 slots' captions

  void Write() const;
};

// The default file names ("App1.mde" ...) and captions, every database in `appFolder`, the manuals
// "Manual1.pdf" and "Manual2.pdf" in `manualsFolder`, and a support page that is never fetched.
TestSettings SettingsWithFolders(std::wstring_view appFolder, std::wstring_view manualsFolder);

}  // namespace corvane::e2e
