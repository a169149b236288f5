// Test folders and raw file access, independent of the backend under test.
#include "TestFiles.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "platform/win32/WideText.h"

#include <winioctl.h>

namespace corvane::win32::test {

namespace {

void Check(bool done, std::string_view what, const std::string& path) {
  if (!done) {
    throw std::runtime_error(std::string(what) + " failed for " + path + ", error " + std::to_string(::GetLastError()));
  }
}

// Wine gives each run the same process ids, hence the clock.
std::string UniqueTempPath() {
  static int made = 0;
  const std::string name = "corvane-" + std::to_string(::GetTickCount64()) + "-" + std::to_string(++made);
  return (std::filesystem::temp_directory_path() / name).string();
}

}  // namespace

TempFolder::TempFolder() : path(UniqueTempPath()) {
  Check(::CreateDirectoryW(Widen(path).c_str(), nullptr), "CreateDirectoryW", path);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(path, ignored)) {
    ::SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);  // read-only files are removed too
  }
  std::filesystem::remove_all(path, ignored);
}

void WriteBytes(const std::string& path, std::string_view bytes, DWORD attributes) {
  std::ofstream file(path, std::ios::binary);
  Check(file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush().good(), "Writing", path);
  file.close();
  Check(::SetFileAttributesW(Widen(path).c_str(), attributes), "SetFileAttributesW", path);
}

void MakeFolder(const std::string& path, DWORD attributes) {
  Check(::CreateDirectoryW(Widen(path).c_str(), nullptr) && ::SetFileAttributesW(Widen(path).c_str(), attributes),
        "CreateDirectoryW", path);
}

void MakeSparseFile(const std::string& path, std::uint64_t size) {
  ScopedHandle file(::CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD returned = 0;
  const LARGE_INTEGER end{.QuadPart = static_cast<LONGLONG>(size)};
  Check(::DeviceIoControl(file.Get(), FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr) &&
            ::SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN) && ::SetEndOfFile(file.Get()),
        "Sparse file", path);
}

std::string ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  Check(file.is_open(), "Reading", path);
  return {std::istreambuf_iterator<char>(file), {}};
}

DWORD AttributesOf(const std::string& path) {
  return ::GetFileAttributesW(Widen(path).c_str());
}

ScopedHandle OpenWithoutSharing(const std::string& path) {
  ScopedHandle file(::CreateFileW(Widen(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  Check(file.IsValid(), "CreateFileW", path);
  return file;
}

std::string ThisProgram() {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  return Narrow(path);
}

}  // namespace corvane::win32::test
