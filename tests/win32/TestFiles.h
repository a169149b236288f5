// What the backend tests share: a fresh folder under %TEMP%, and file access that goes around the code under test.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/win32/ScopedHandle.h"

namespace corvane::win32::test {

// A unique folder under %TEMP%, removed with everything in it, read-only files too, when the test ends.
struct TempFolder {
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  std::string operator/(std::string_view name) const { return path + "\\" + std::string(name); }

  const std::string path;
};

// A failure of these throws std::runtime_error.
void WriteBytes(const std::string& path, std::string_view bytes, DWORD attributes = FILE_ATTRIBUTE_NORMAL);
void MakeFolder(const std::string& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL);
void MakeSparseFile(const std::string& path, std::uint64_t size);  // takes no room on the disk
std::string ReadBytes(const std::string& path);
DWORD AttributesOf(const std::string& path);               // INVALID_FILE_ATTRIBUTES when absent
ScopedHandle OpenWithoutSharing(const std::string& path);  // as a database in use is
std::string ThisProgram();

}  // namespace corvane::win32::test
