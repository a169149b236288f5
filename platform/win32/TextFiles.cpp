// The settings files: whole small files in the ANSI code page, read and written with CreateFileW.
#include "platform/win32/Win32Platform.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "platform/win32/AnsiText.h"
#include "platform/win32/FileOperations.h"
#include "platform/win32/ScopedHandle.h"
#include "platform/win32/SystemError.h"
#include "platform/win32/WideText.h"

namespace corvane::win32 {

namespace {

// WriteFile and ReadFile move at most a DWORD at a time.
constexpr std::size_t kMaxChunk = 1u << 30;

}  // namespace

std::string Win32Platform::ReadTextFile(const std::string& path) {
  ScopedHandle file(::CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsValid()) {
    ThrowLastError(path);
  }
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.Get(), &size)) {
    ThrowLastError(path);
  }
  if (static_cast<std::uint64_t>(size.QuadPart) > std::numeric_limits<int>::max()) {
    ThrowSystemError(ERROR_FILE_TOO_LARGE, path);
  }
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
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
  std::size_t done = 0;
  while (done < bytes->size()) {
    const auto chunk = static_cast<DWORD>(std::min(bytes->size() - done, kMaxChunk));
    DWORD written = 0;
    if (!::WriteFile(file.Get(), bytes->data() + done, chunk, &written, nullptr)) {
      ThrowLastError(path);
    }
    done += written;
  }
  if (!::FlushFileBuffers(file.Get()) || !file.Close()) {
    ThrowLastError(path);
  }
}

bool Win32Platform::FitsTextFile(const std::string& text) {
  return Utf8ToAnsi(text).has_value();
}

}  // namespace corvane::win32
