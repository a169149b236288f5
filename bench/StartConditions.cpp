// Stand-in Access in place and settings files gone for the start-up benchmark, with the driver's file helpers.
#include "StartConditions.h"

#include <windows.h>

#include "DriveC.h"

namespace corvane::bench {

int RemoveSettingsFiles() {
  // Collected first: deleting while the search is open may make it skip a name.
  std::vector<std::wstring> found;
  WIN32_FIND_DATAW entry{};
  HANDLE search = FindFirstFileW(L"C:\\Corvane*.txt", &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        found.push_back(std::wstring(L"C:\\") + entry.cFileName);
      }
    } while (FindNextFileW(search, &entry));
    FindClose(search);
  }
  for (const std::wstring& path : found) {
    // A test may have left one read-only.
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    e2e::RemoveFile(path);
  }
  return static_cast<int>(found.size());
}

StartConditions::StartConditions(const std::wstring& standIn) {
  RemoveSettingsFiles();
  madeFolders_ = e2e::PlaceFile(standIn, std::wstring(kAccessPlace));
}

StartConditions::~StartConditions() {
  try {
    e2e::RemoveFile(std::wstring(kAccessPlace));
  } catch (...) {
    // Nothing more can be done at the end of the run; the folders below stay then, as they are not empty.
  }
  for (auto folder = madeFolders_.rbegin(); folder != madeFolders_.rend(); ++folder) {
    e2e::RemoveEmptyFolder(*folder);
  }
}

}  // namespace corvane::bench
