// Drive C: as the start-up figures need it, set up for the run and tidied up after it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvane::bench {

// Where Corvane finds Access first; a stand-in there keeps the "Can not find MSAccess.exe" box out of the start.
inline constexpr std::wstring_view kAccessPlace = L"C:\\Program Files\\Microsoft Office\\Office11\\MSAccess.exe";

class StartConditions {
 public:
  // Puts `standIn` (any small program; it is never started) at kAccessPlace and deletes every C:\Corvane*.txt, so
  // that the launcher starts on its built-in settings. Throws when drive C: refuses.
  explicit StartConditions(const std::wstring& standIn);
  // Removes the stand-in and the folders made for it. The settings files stay deleted: the prefix is the tests'.
  ~StartConditions();
  StartConditions(const StartConditions&) = delete;
  StartConditions& operator=(const StartConditions&) = delete;

 private:
  std::vector<std::wstring> madeFolders_;
};

// Deletes every C:\Corvane*.txt; returns how many there were.
int RemoveSettingsFiles();

}  // namespace corvane::bench
