// The file operations as the Win32 calls that make them; a copy, which may take long, is handed to CopyWithProgress.
#include "platform/win32/FileOperations.h"
#include "platform/win32/Win32Platform.h"

#include "platform/win32/CopyWithProgress.h"
#include "platform/win32/ScopedHandle.h"
#include "platform/win32/SystemError.h"
#include "platform/win32/WideText.h"

namespace corvane::win32 {

namespace {

// A failure of a two-path operation may concern either path, so the message names both.
std::string BothPaths(const std::string& from, const std::string& to) {
  return from + " -> " + to;
}

}  // namespace

void Win32Platform::CreateFolder(const std::string& path) {
  if (!::CreateDirectoryW(Widen(path).c_str(), nullptr)) {
    ThrowLastError(path);
  }
}

void Win32Platform::ReplaceFile(const std::string& from, const std::string& to) {
  RefuseReadOnlyTarget(to);
  const std::wstring target = Widen(to);
  const DWORD before = ::GetFileAttributesW(target.c_str());
  const DWORD kept = before == INVALID_FILE_ATTRIBUTES ? 0 : before & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  if (!::MoveFileExW(Widen(from).c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ThrowLastError(BothPaths(from, to));
  }
  // A file someone hid or marked system stays so once replaced, as Windows' own ReplaceFileW keeps it. Should that
  // fail, the new content is in place all the same, which is what the caller asked for.
  if (const DWORD now = ::GetFileAttributesW(target.c_str()); kept != 0 && now != INVALID_FILE_ATTRIBUTES) {
    ::SetFileAttributesW(target.c_str(), now | kept);
  }
}

void Win32Platform::DeleteFile(const std::string& path) {
  if (!::DeleteFileW(Widen(path).c_str())) {
    ThrowLastError(path);
  }
}

void Win32Platform::CopyFile(const std::string& from, const std::string& to) {
  RefuseReadOnlyTarget(to);
  CopyKeepingWindowsPainted(from, to, SystemCopy, showsCopyProgress_ ? Progress::AfterASecond : Progress::Never);
}

// A folder is not a file: its "size" would mean nothing to the caller.
std::uint64_t Win32Platform::FileSize(const std::string& path) {
  const std::optional<FileStamp> stamp = StampOf(path);
  if (!stamp) {
    ThrowSystemError(ERROR_FILE_NOT_FOUND, path);
  }
  return stamp->size;
}

std::optional<FileStamp> Win32Platform::StampOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data)) {
    const DWORD error = ::GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
      return std::nullopt;
    }
    ThrowSystemError(error, path);
  }
  if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return std::nullopt;
  }
  const auto join = [](DWORD high, DWORD low) { return (static_cast<std::uint64_t>(high) << 32) | low; };
  return FileStamp{.size = join(data.nFileSizeHigh, data.nFileSizeLow),
                   .lastWrite = join(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime)};
}

void Win32Platform::MakeWritable(const std::string& path) {
  const std::wstring wide = Widen(path);
  const DWORD attributes = ::GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    ThrowLastError(path);
  }
  if ((attributes & FILE_ATTRIBUTE_READONLY) != 0 &&
      !::SetFileAttributesW(wide.c_str(), attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY))) {
    ThrowLastError(path);
  }
}

bool Win32Platform::HeldOpen(const std::string& path) {
  // Reading and sharing nothing: refused while any other process has the file open, and harmless otherwise.
  return RefusedBySharing(path, GENERIC_READ, 0);
}

void Win32Platform::MarkMadeNow(const std::string& path) {
  ScopedHandle file(::CreateFileW(Widen(path).c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
  FILETIME now{};
  ::GetSystemTimeAsFileTime(&now);
  if (!file.IsValid() || !::SetFileTime(file.Get(), &now, nullptr, &now)) {
    ThrowLastError(path);
  }
}

bool RefusedBySharing(const std::string& path, DWORD access, DWORD sharing) {
  ScopedHandle file(
      ::CreateFileW(Widen(path).c_str(), access, sharing, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.IsValid()) {
    return false;
  }
  const DWORD error = ::GetLastError();
  if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) {
    return true;
  }
  if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
    return false;
  }
  ThrowSystemError(error, path);
}

void RefuseReadOnlyTarget(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesW(Widen(path).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0 &&
      (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    throw PlatformError(path, DescribeSystemError(ERROR_ACCESS_DENIED), Refusal::ReadOnly);
  }
}

}  // namespace corvane::win32
