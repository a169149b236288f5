// Stands in for Access, a PDF reader or a word processor: records how it was started, and compacts like Access.
//
// Every start appends its whole command line, as UTF-8, as one line to "<own exe path>.log".
// A command line ending in " /compact" halves the database file named by the first argument, after waiting
// the milliseconds written in "<own exe path>.delay" when that file exists, so that a test can see whether
// the program under test waits for the compaction to end.
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <cstdlib>
#include <string>
#include <string_view>

namespace {

std::wstring OwnPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::string ToUtf8(std::wstring_view wide) {
  const int size = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
  return text;
}

// Two starts at once (two clicks) must both be recorded: retry while the other holds the file.
void AppendLine(const std::wstring& path, const std::string& line) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      const std::string record = line + "\r\n";
      DWORD written = 0;
      WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
      CloseHandle(file);
      return;
    }
    Sleep(20);
  }
}

DWORD ReadDelayMs(const std::wstring& path) {
  HANDLE file =
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return 0;
  }
  char digits[32] = {};
  DWORD got = 0;
  ReadFile(file, digits, sizeof(digits) - 1, &got, nullptr);
  CloseHandle(file);
  return static_cast<DWORD>(std::strtoul(digits, nullptr, 10));
}

bool HalveFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return false;
  }
  LARGE_INTEGER size{};
  bool done = GetFileSizeEx(file, &size);
  if (done) {
    LARGE_INTEGER half{};
    half.QuadPart = size.QuadPart / 2;
    done = SetFilePointerEx(file, half, nullptr, FILE_BEGIN) && SetEndOfFile(file);
  }
  CloseHandle(file);
  return done;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::wstring self = OwnPath();
  const std::wstring_view commandLine = GetCommandLineW();
  AppendLine(self + L".log", ToUtf8(commandLine));

  constexpr std::wstring_view kCompact = L" /compact";
  if (!commandLine.ends_with(kCompact)) {
    return 0;
  }
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(commandLine.data(), &count);
  if (arguments == nullptr || count < 2) {
    return 2;
  }
  const std::wstring database = arguments[1];
  LocalFree(arguments);
  Sleep(ReadDelayMs(self + L".delay"));
  return HalveFile(database) ? 0 : 3;
}
