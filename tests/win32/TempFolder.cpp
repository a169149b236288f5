// Test folders and raw file access with plain Win32 calls, independent of the code under test.
#include "TempFolder.h"

#include <stdexcept>

#include "platform/win32/WideText.h"

#include <winioctl.h>

namespace corvane::win32::test {

namespace {

[[noreturn]] void Fail(std::string_view what, const std::string& path) {
  throw std::runtime_error(std::string(what) + " failed for " + path + ", error " + std::to_string(::GetLastError()));
}

void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW entry{};
  HANDLE find = ::FindFirstFileW((folder + L"\\*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = entry.cFileName;
      if (name == L"." || name == L"..") {
        continue;
      }
      const std::wstring path = folder + L"\\" + name;
      ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        RemoveTree(path);
      } else {
        ::DeleteFileW(path.c_str());
      }
    } while (::FindNextFileW(find, &entry));
    ::FindClose(find);
  }
  ::RemoveDirectoryW(folder.c_str());
}

}  // namespace

TempFolder::TempFolder() {
  wchar_t temp[MAX_PATH + 1] = {};
  if (::GetTempPathW(MAX_PATH + 1, temp) == 0) {
    Fail("GetTempPathW", "%TEMP%");
  }
  const std::string base = Narrow(temp) + "corvane-test-" + std::to_string(::GetCurrentProcessId()) + "-";
  for (unsigned attempt = 0;; ++attempt) {
    path_ = base + std::to_string(attempt);
    if (::CreateDirectoryW(Widen(path_).c_str(), nullptr)) {
      return;
    }
    if (::GetLastError() != ERROR_ALREADY_EXISTS) {
      Fail("CreateDirectoryW", path_);
    }
  }
}

TempFolder::~TempFolder() {
  RemoveTree(Widen(path_));
}

void WriteBytes(const std::string& path, std::string_view bytes) {
  HANDLE file =
      ::CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    Fail("CreateFileW", path);
  }
  DWORD written = 0;
  const BOOL ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  ::CloseHandle(file);
  if (!ok || written != bytes.size()) {
    Fail("WriteFile", path);
  }
}

std::optional<std::string> ReadBytes(const std::string& path) {
  HANDLE file = ::CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    if (::GetLastError() == ERROR_FILE_NOT_FOUND) {
      return std::nullopt;
    }
    Fail("CreateFileW", path);
  }
  std::string bytes;
  char buffer[4096];
  DWORD read = 0;
  while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
    bytes.append(buffer, read);
  }
  ::CloseHandle(file);
  return bytes;
}

void MakeSparseFile(const std::string& path, std::uint64_t size) {
  HANDLE file = ::CreateFileW(Widen(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    Fail("CreateFileW", path);
  }
  DWORD returned = 0;
  LARGE_INTEGER end{};
  end.QuadPart = static_cast<LONGLONG>(size);
  const bool made = ::DeviceIoControl(file, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr) &&
                    ::SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && ::SetEndOfFile(file);
  const DWORD error = ::GetLastError();
  ::CloseHandle(file);
  if (!made) {
    ::SetLastError(error);
    Fail("Sparse file", path);
  }
}

void SetAttributes(const std::string& path, DWORD attributes) {
  if (!::SetFileAttributesW(Widen(path).c_str(), attributes)) {
    Fail("SetFileAttributesW", path);
  }
}

void MakeFolder(const std::string& path) {
  if (!::CreateDirectoryW(Widen(path).c_str(), nullptr)) {
    Fail("CreateDirectoryW", path);
  }
}

bool IsFolder(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesW(Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string ThisProgram() {
  wchar_t path[32768] = {};
  ::GetModuleFileNameW(nullptr, path, 32768);
  return Narrow(path);
}

}  // namespace corvane::win32::test
