// What the backend tests share: a fresh folder under %TEMP%, and file access that goes around the code under test.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "platform/win32/ScopedHandle.h"
#include "platform/win32/WideText.h"

#include <winioctl.h>

namespace corvane::win32::test {

// A unique folder under %TEMP%, removed with everything in it, read-only files too, when the test ends. Wine gives
// each run the same process ids, hence the clock in the name.
struct TempFolder {
  TempFolder() { std::filesystem::create_directory(path); }
  ~TempFolder() {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path, ignored)) {
      ::SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    std::filesystem::remove_all(path, ignored);
  }
  std::string operator/(std::string_view name) const { return path + "\\" + std::string(name); }

  inline static int made = 0;
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("corvane-" + std::to_string(::GetTickCount64()) + "-" + std::to_string(++made)))
                               .string();
};

// A failure of these fails the calling test: a file it did not make would let a check pass for the wrong reason.
inline void WriteBytes(const std::string& path, std::string_view bytes, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
  EXPECT_TRUE(std::ofstream(path, std::ios::binary).write(bytes.data(), std::ssize(bytes)).flush().good()) << path;
  EXPECT_TRUE(::SetFileAttributesW(Widen(path).c_str(), attributes)) << path;
}

inline void MakeFolder(const std::string& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
  EXPECT_TRUE(std::filesystem::create_directory(path) && ::SetFileAttributesW(Widen(path).c_str(), attributes)) << path;
}

// Takes no room on the disk, whatever its size.
inline void MakeSparseFile(const std::string& path, std::uint64_t size) {
  ScopedHandle file(::CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD returned = 0;
  EXPECT_TRUE(::DeviceIoControl(file.Get(), FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr) &&
              ::SetFilePointerEx(file.Get(), {.QuadPart = static_cast<LONGLONG>(size)}, nullptr, FILE_BEGIN) &&
              ::SetEndOfFile(file.Get()))
      << path;
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

inline DWORD AttributesOf(const std::string& path) {
  return ::GetFileAttributesW(Widen(path).c_str());
}

inline std::string ThisProgram() {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  return Narrow(path);
}

// The test program started with this option and a path holds that file open, as Access holds its lock file, until
// it is ended.
inline constexpr std::string_view kHold = "--hold=";
inline void HoldAsAccessDoes(const std::string& path) {
  const ScopedHandle held(::CreateFileW(Widen(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
  ::Sleep(held.IsValid() ? 30000 : 0);
}

// The test program started again with `option` and `path`; ended by the handle.
inline ScopedHandle StartChild(std::string_view option, const std::string& path) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  std::wstring commandLine = L"\"" + Widen(ThisProgram()) + L"\" " + Widen(std::string(option) + path);
  // Wine under load now and then refuses a start that succeeds a moment later; the start is not what is tested.
  bool made = false;
  for (int attempt = 0; attempt < 5 && !made; ++attempt) {
    made =
        ::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started);
    if (!made) {
      ::Sleep(200);
    }
  }
  EXPECT_TRUE(made) << "error " << ::GetLastError();
  ::CloseHandle(started.hThread);
  return ScopedHandle(started.hProcess);
}

// The test program, started again to hold `path` as Access holds its lock file.
inline ScopedHandle StartHolding(const std::string& path) {
  return StartChild(kHold, path);
}

// Whether `probe` comes true within five seconds, as another process gets under way.
template <class Probe>
bool Eventually(Probe probe) {
  bool done = false;
  for (int wait = 0; wait < 100 && !(done = probe()); ++wait) {
    ::Sleep(50);
  }
  return done;
}

// As a database in use is held.
inline ScopedHandle OpenWithoutSharing(const std::string& path) {
  return ScopedHandle(::CreateFileW(Widen(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
}

}  // namespace corvane::win32::test
