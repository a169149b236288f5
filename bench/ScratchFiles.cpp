// Scratch folder, noise file and deletion with plain Win32 calls, apart from the copy under test.
#include "ScratchFiles.h"

#include <stdexcept>
#include <vector>

#include "platform/win32/ScopedHandle.h"
#include "platform/win32/WideText.h"

namespace corvane::bench {

using win32::Narrow;
using win32::Widen;

namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& path) {
  throw std::runtime_error(what + " failed for " + path + ", error " + std::to_string(::GetLastError()));
}

std::string TempFolder() {
  wchar_t temp[MAX_PATH + 1] = {};
  const DWORD length = ::GetTempPathW(MAX_PATH + 1, temp);
  if (length == 0) {
    Fail("GetTempPathW", "%TEMP%");
  }
  std::string folder = Narrow(temp);
  if (!folder.empty() && folder.back() == '\\') {
    folder.pop_back();
  }
  return folder;
}

void RemoveFilesIn(const std::wstring& folder) {
  WIN32_FIND_DATAW entry{};
  win32::ScopedFindHandle find(::FindFirstFileW((folder + L"\\*").c_str(), &entry));
  if (!find.IsValid()) {
    return;
  }
  do {
    if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
      const std::wstring path = folder + L"\\" + entry.cFileName;
      ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      ::DeleteFileW(path.c_str());
    }
  } while (::FindNextFileW(find.Get(), &entry));
}

}  // namespace

ScratchFolder::ScratchFolder(const std::string& parent) {
  const std::string base =
      (parent.empty() ? TempFolder() : parent) + "\\corvane-copy-bench-" + std::to_string(::GetCurrentProcessId());
  for (unsigned attempt = 0;; ++attempt) {
    path_ = base + "-" + std::to_string(attempt);
    if (::CreateDirectoryW(Widen(path_).c_str(), nullptr)) {
      return;
    }
    if (::GetLastError() != ERROR_ALREADY_EXISTS) {
      Fail("CreateDirectoryW", path_);
    }
  }
}

ScratchFolder::~ScratchFolder() {
  RemoveFilesIn(Widen(path_));
  ::RemoveDirectoryW(Widen(path_).c_str());
}

void WriteNoiseFile(const std::string& path, std::uint64_t size) {
  win32::ScopedHandle file(
      ::CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsValid()) {
    Fail("CreateFileW", path);
  }
  // xorshift64: cheap, and no two blocks alike.
  std::uint64_t state = 0x9E3779B97F4A7C15ull;
  std::vector<std::uint64_t> block((8u << 20) / sizeof(std::uint64_t));
  for (std::uint64_t written = 0; written < size;) {
    for (std::uint64_t& word : block) {
      state ^= state << 13;
      state ^= state >> 7;
      state ^= state << 17;
      word = state;
    }
    const std::uint64_t blockBytes = block.size() * sizeof(std::uint64_t);
    const DWORD chunk = static_cast<DWORD>(size - written < blockBytes ? size - written : blockBytes);
    DWORD done = 0;
    if (!::WriteFile(file.Get(), block.data(), chunk, &done, nullptr) || done != chunk) {
      Fail("WriteFile", path);
    }
    written += chunk;
  }
  if (!file.Close()) {
    Fail("CloseHandle", path);
  }
}

void FlushToDisk(const std::string& path) {
  win32::ScopedHandle file(
      ::CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsValid() || !::FlushFileBuffers(file.Get())) {
    Fail("FlushFileBuffers", path);
  }
}

void RemoveFile(const std::string& path) {
  if (!::DeleteFileW(Widen(path).c_str()) && ::GetLastError() != ERROR_FILE_NOT_FOUND) {
    Fail("DeleteFileW", path);
  }
}

}  // namespace corvane::bench
