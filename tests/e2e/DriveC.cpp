// Plain Win32 file calls for the test's own setup and checks; failures throw with the system's error code.
#include "DriveC.h"

#include <windows.h>

#include <stdexcept>

#include "Wide.h"
#include "platform/win32/ScopedHandle.h"

namespace corvane::e2e {

namespace {

[[noreturn]] void Fail(const std::string& what, const std::wstring& path) {
  throw std::runtime_error(what + " " + ToUtf8(path) + ": error " + std::to_string(GetLastError()));
}

}  // namespace

void WriteBinaryFile(const std::wstring& path, std::string_view bytes) {
  win32::ScopedHandle file(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsValid()) {
    Fail("cannot create", path);
  }
  DWORD written = 0;
  if (!WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
      written != bytes.size()) {
    Fail("cannot write", path);
  }
}

void WriteSettingsFile(const std::wstring& path, const std::vector<std::string>& fields) {
  std::string line;
  for (const std::string& field : fields) {
    line += (line.empty() ? "\"" : ",\"") + field + "\"";
  }
  WriteBinaryFile(path, ToAnsi(line) + "\r\n");
}

void WriteSettingsFiles(const std::vector<std::string>& appNames, const std::vector<std::string>& paths,
                        const std::vector<std::string>& aliases) {
  WriteSettingsFile(std::wstring(kAppNamesFile), appNames);
  WriteSettingsFile(std::wstring(kPathsFile), paths);
  WriteSettingsFile(std::wstring(kAppAliasFile), aliases);
}

std::vector<std::wstring> MakeFolders(const std::wstring& path) {
  std::vector<std::wstring> made;
  // Skip the drive ("C:\"), then create each level in turn.
  for (std::size_t end = path.find(L'\\', 3);; end = path.find(L'\\', end + 1)) {
    const std::wstring level = path.substr(0, end);
    if (CreateDirectoryW(level.c_str(), nullptr)) {
      made.push_back(level);
    } else if (GetLastError() != ERROR_ALREADY_EXISTS) {
      Fail("cannot create the folder", level);
    }
    if (end == std::wstring::npos) {
      return made;
    }
  }
}

std::vector<std::wstring> PlaceFile(const std::wstring& from, const std::wstring& to) {
  std::vector<std::wstring> made = MakeFolders(to.substr(0, to.rfind(L'\\')));
  if (!CopyFileW(from.c_str(), to.c_str(), FALSE)) {
    Fail("cannot copy to", to);
  }
  return made;
}

void RemoveFile(const std::wstring& path) {
  // A stand-in the program under test started may still be running or writing its log for a moment.
  for (int attempt = 0;; ++attempt) {
    if (DeleteFileW(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_PATH_NOT_FOUND) {
      return;
    }
    if (attempt == 60) {
      Fail("cannot delete", path);
    }
    Sleep(50);
  }
}

void RemoveEmptyFolder(const std::wstring& path) {
  RemoveDirectoryW(path.c_str());
}

void RemoveFolderAndFiles(const std::wstring& path) {
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      const std::wstring entry = path + L"\\" + name;
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        SetFileAttributesW(entry.c_str(), FILE_ATTRIBUTE_NORMAL);
        RemoveFile(entry);
      } else if (name != L"." && name != L"..") {
        // Such as the ArcBackup folder the program makes inside a database folder.
        RemoveFolderAndFiles(entry);
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveEmptyFolder(path);
}

bool FileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<std::string> ReadBinaryFile(const std::wstring& path) {
  // Shared for writing too: a stand-in may still be appending while the test looks.
  win32::ScopedHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsValid()) {
    if (GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_PATH_NOT_FOUND) {
      return std::nullopt;
    }
    Fail("cannot open", path);
  }
  std::string content;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file.Get(), buffer, sizeof(buffer), &got, nullptr) && got > 0) {
    content.append(buffer, got);
  }
  return content;
}

std::optional<std::vector<std::string>> ReadLines(const std::wstring& path) {
  const std::optional<std::string> read = ReadBinaryFile(path);
  if (!read) {
    return std::nullopt;
  }
  const std::string& content = *read;
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find('\n', start);
    if (end == std::string::npos) {
      end = content.size();
    }
    std::string line = content.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

}  // namespace corvane::e2e
