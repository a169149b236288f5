// Stands in for Access: appends each command line it is started with, as UTF-8, to "<own path>.log", and compacts
// slowly: a command line ending in " /compact" works on the database named by its first argument, holding it open as
// Access does, for 2.5 s or the seconds after the word in "<own path>.mode", so that a test can see whether the
// program under test keeps answering while it waits. Then, where that word is "overwrite", it overwrites the
// database's first bytes, as a crash might; otherwise it halves the database.
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/win32/WideText.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  std::wstring self(MAX_PATH, L'\0');
  self.resize(::GetModuleFileNameW(nullptr, self.data(), MAX_PATH));
  const std::wstring_view commandLine = ::GetCommandLineW();
  std::ofstream(std::filesystem::path(self + L".log"), std::ios::binary | std::ios::app)
      << corvane::win32::Narrow(commandLine) << "\r\n";
  if (!commandLine.ends_with(L" /compact")) {
    return 0;
  }
  const std::filesystem::path database = __argv[1];
  std::string mode;
  double seconds = 2.5;
  std::ifstream(std::filesystem::path(self + L".mode")) >> mode >> seconds;
  const HANDLE held =
      ::CreateFileW(database.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, 0, nullptr);
  ::Sleep(static_cast<DWORD>(seconds * 1000));
  ::CloseHandle(held);
  if (mode == "overwrite") {
    std::fstream(database, std::ios::in | std::ios::out | std::ios::binary) << "ruined by a crash";
  } else {
    std::filesystem::resize_file(database, std::filesystem::file_size(database) / 2);
  }
  return 0;
}
