// Files read and written with CreateFileW: the settings files in the ANSI code page, lock files, the log.
#include "platform/win32/Win32Platform.h"

#include <algorithm>
#include <cstdint>

#include "platform/win32/AnsiText.h"
#include "platform/win32/FileOperations.h"
#include "platform/win32/ScopedHandle.h"
#include "platform/win32/SystemError.h"
#include "platform/win32/WideText.h"

namespace corvane::win32 {

namespace {

// WriteFile and ReadFile move at most a DWORD at a time.
constexpr std::size_t kMaxChunk = 1u << 30;

// The file's bytes up to `limit`. A file may be open in another program that is writing it, as a lock file is in
// Access: it is read while that goes on.
std::string ReadUpTo(const std::string& path, std::size_t limit) {
  ScopedHandle file(::CreateFileW(Widen(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsValid()) {
    ThrowLastError(path);
  }
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.Get(), &size)) {
    ThrowLastError(path);
  }
  const auto fileSize = static_cast<std::uint64_t>(size.QuadPart);
  std::string bytes(static_cast<std::size_t>(std::min<std::uint64_t>(fileSize, limit)), '\0');
  std::size_t done = 0;
  while (done < bytes.size()) {
    const auto chunk = static_cast<DWORD>(std::min(bytes.size() - done, kMaxChunk));
    DWORD read = 0;
    if (!::ReadFile(file.Get(), bytes.data() + done, chunk, &read, nullptr)) {
      ThrowLastError(path);
    }
    if (read == 0) {
      break;  // The file shrank while it was read: keep what is there.
    }
    done += read;
  }
  bytes.resize(done);
  return bytes;
}

void WriteAll(HANDLE file, std::string_view bytes, const std::string& path) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const auto chunk = static_cast<DWORD>(std::min(bytes.size() - done, kMaxChunk));
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data() + done, chunk, &written, nullptr)) {
      ThrowLastError(path);
    }
    done += written;
  }
}

}  // namespace

std::string Win32Platform::ReadBytes(const std::string& path, std::size_t limit) {
  return ReadUpTo(path, limit);
}

std::string Win32Platform::FromAnsi(std::string_view bytes) {
  return AnsiToUtf8(bytes);
}

void Win32Platform::WriteTextFile(const std::string& path, const std::string& text) {
  const auto bytes = Utf8ToAnsi(text);
  if (!bytes) {
    ThrowSystemError(ERROR_NO_UNICODE_TRANSLATION, path);
  }
  RefuseReadOnlyTarget(path);
  ScopedHandle file(
      ::CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsValid()) {
    ThrowLastError(path);
  }
  WriteAll(file.Get(), *bytes, path);
  if (!::FlushFileBuffers(file.Get()) || !file.Close()) {
    ThrowLastError(path);
  }
}

// Appending opens for nothing but appending, so lines of two runs at once can never overwrite each other.
void Win32Platform::AppendUtf8File(const std::string& path, const std::string& text) {
  ScopedHandle file(::CreateFileW(Widen(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsValid()) {
    ThrowLastError(path);
  }
  WriteAll(file.Get(), text, path);
  if (!file.Close()) {
    ThrowLastError(path);
  }
}

bool Win32Platform::FitsTextFile(const std::string& text) {
  return Utf8ToAnsi(text).has_value();
}

}  // namespace corvane::win32
