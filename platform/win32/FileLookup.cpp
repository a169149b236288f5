// Exists and ListFiles: FindFirstFileExW, walking the entries that pass the attribute filter.
#include "platform/win32/Win32Platform.h"

#include "platform/win32/ScopedHandle.h"
#include "platform/win32/SystemError.h"
#include "platform/win32/WideText.h"

namespace corvane::win32 {

namespace {

constexpr DWORD kNeverAccepted = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DEVICE;

bool Accepts(DWORD attributes, Lookup filter) {
  const bool folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  switch (filter) {
    case Lookup::AllFiles:
      return !folder && (attributes & FILE_ATTRIBUTE_DEVICE) == 0;
    case Lookup::AllFolders:
      return folder;
    case Lookup::NormalFiles:
    case Lookup::Directories:
      break;
  }
  if ((attributes & kNeverAccepted) != 0) {
    return false;
  }
  return filter == Lookup::Directories || !folder;
}

// What Windows and Wine report for a missing file, a missing folder on the way, or a drive that does not
// exist. A malformed name (ERROR_INVALID_NAME) is a lookup that cannot be made, and throws.
bool MeansAbsent(DWORD error) {
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_NO_MORE_FILES;
}

// "C:\", "\" and "\\server\share\" name roots, which have no directory entry of their own to find.
bool IsRoot(const std::wstring& path) {
  if (path == L"\\") {
    return true;
  }
  if (path.size() == 3 && path[1] == L':' && path[2] == L'\\') {
    return true;
  }
  if (path.size() > 2 && path.starts_with(L"\\\\")) {
    const auto server = path.find(L'\\', 2);
    const auto share = server == std::wstring::npos ? server : path.find(L'\\', server + 1);
    return share == path.size() - 1;
  }
  return false;
}

bool RootExists(const std::wstring& root, const std::string& pattern) {
  if (::GetFileAttributesW(root.c_str()) != INVALID_FILE_ATTRIBUTES) {
    return true;
  }
  const DWORD error = ::GetLastError();
  if (MeansAbsent(error)) {
    return false;
  }
  ThrowSystemError(error, pattern);
}

}  // namespace

bool Win32Platform::Exists(const std::string& pattern, Lookup filter) {
  if (pattern.empty()) {
    return false;
  }
  std::wstring wide = Widen(pattern);
  if ((filter == Lookup::Directories || filter == Lookup::AllFolders) && wide.back() == L'\\') {
    if (IsRoot(wide)) {
      return RootExists(wide, pattern);
    }
    // "C:\Apps\" asks for the folder itself, which a lookup finds by its name without the backslash.
    wide.pop_back();
  }

  WIN32_FIND_DATAW entry{};
  ScopedFindHandle find(::FindFirstFileExW(wide.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr, 0));
  if (!find.IsValid()) {
    const DWORD error = ::GetLastError();
    if (MeansAbsent(error)) {
      return false;
    }
    ThrowSystemError(error, pattern);
  }
  do {
    if (Accepts(entry.dwFileAttributes, filter)) {
      return true;
    }
  } while (::FindNextFileW(find.Get(), &entry));

  const DWORD error = ::GetLastError();
  if (MeansAbsent(error)) {
    return false;
  }
  ThrowSystemError(error, pattern);
}

std::vector<FolderEntry> Win32Platform::ListFiles(const std::string& folder) {
  std::vector<FolderEntry> entries;
  WIN32_FIND_DATAW entry{};
  ScopedFindHandle find(
      ::FindFirstFileExW(Widen(folder + "\\*").c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr, 0));
  if (!find.IsValid()) {
    const DWORD error = ::GetLastError();
    if (MeansAbsent(error)) {
      return entries;
    }
    ThrowSystemError(error, folder);
  }
  // The creation time in the local time of that day, as the date in a backup's name is written.
  const auto local = [&](const FILETIME& time) {
    SYSTEMTIME utc{}, here{};
    if (!::FileTimeToSystemTime(&time, &utc) || !::SystemTimeToTzSpecificLocalTime(nullptr, &utc, &here)) {
      ThrowLastError(folder);
    }
    return Date{here.wYear, here.wMonth, here.wDay, here.wHour, here.wMinute, here.wSecond};
  };
  do {
    if (Accepts(entry.dwFileAttributes, Lookup::NormalFiles)) {
      entries.push_back({Narrow(entry.cFileName), local(entry.ftCreationTime),
                         (entry.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0, local(entry.ftLastWriteTime),
                         (std::uint64_t{entry.nFileSizeHigh} << 32) | entry.nFileSizeLow});
    }
  } while (::FindNextFileW(find.Get(), &entry));
  const DWORD error = ::GetLastError();
  if (!MeansAbsent(error)) {
    ThrowSystemError(error, folder);
  }
  return entries;
}

bool Win32Platform::SameFileName(std::string_view a, std::string_view b) {
  const std::wstring wideA = Widen(std::string(a));
  const std::wstring wideB = Widen(std::string(b));
  return ::CompareStringOrdinal(wideA.c_str(), static_cast<int>(wideA.size()), wideB.c_str(),
                                static_cast<int>(wideB.size()), TRUE) == CSTR_EQUAL;
}

std::optional<std::string> Win32Platform::FolderIdentity(const std::string& folder) {
  // No access asked for: enough to read what identifies it, also in a folder whose files the user may not read.
  ScopedHandle handle(::CreateFileW(Widen(folder).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION information{};
  if (!handle.IsValid() || !::GetFileInformationByHandle(handle.Get(), &information) ||
      (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    return std::nullopt;
  }
  return std::to_string(information.dwVolumeSerialNumber) + ":" +
         std::to_string((std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow);
}

std::optional<std::string> Win32Platform::FullPathName(const std::string& path) {
  const std::wstring wide = Widen(path);
  std::wstring full(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0) {
      return std::nullopt;
    }
    if (length < full.size()) {
      full.resize(length);
      return Narrow(full);
    }
    full.resize(length);
  }
}

}  // namespace corvane::win32
