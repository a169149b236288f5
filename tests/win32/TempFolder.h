// A unique folder under %TEMP% for one test, removed with everything in it afterwards; and raw file helpers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/win32/WinApi.h"

namespace corvane::win32::test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  // The full path of `name` inside the folder.
  std::string operator/(std::string_view name) const { return path_ + "\\" + std::string(name); }

 private:
  std::string path_;
};

// Byte-exact access around the platform under test; failures throw std::runtime_error.
void WriteBytes(const std::string& path, std::string_view bytes);
std::optional<std::string> ReadBytes(const std::string& path);  // nothing when the file does not exist
// A file of `size` bytes that takes no room on the disk: marked sparse, then its end set.
void MakeSparseFile(const std::string& path, std::uint64_t size);
void SetAttributes(const std::string& path, DWORD attributes);
void MakeFolder(const std::string& path);
bool IsFolder(const std::string& path);
// The test program's own path.
std::string ThisProgram();

}  // namespace corvane::win32::test
