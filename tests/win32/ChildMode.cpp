// The child's behaviour: wait, look at the parent's window, and leave its own path in a file.
#include "ChildMode.h"

#include <cwchar>
#include <string>

#include "platform/win32/WinApi.h"

#include <shellapi.h>

namespace corvane::win32::test {

namespace {

bool TakeOption(const wchar_t* argument, const wchar_t* option, std::wstring& value) {
  const std::size_t length = std::wcslen(option);
  if (std::wcsncmp(argument, option, length) != 0) {
    return false;
  }
  value = argument + length;
  return true;
}

}  // namespace

std::optional<int> RunAsChildIfAsked() {
  int count = 0;
  LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::wstring target, delay, window;
  for (int index = 1; index < count; ++index) {
    if (!TakeOption(arguments[index], kChildWrite, target) && !TakeOption(arguments[index], kChildDelay, delay)) {
      TakeOption(arguments[index], kChildWindow, window);
    }
  }
  ::LocalFree(arguments);
  if (target.empty()) {
    return std::nullopt;
  }
  if (!delay.empty()) {
    ::Sleep(static_cast<DWORD>(std::wcstoul(delay.c_str(), nullptr, 10)));
  }

  wchar_t self[32768] = {};
  ::GetModuleFileNameW(nullptr, self, 32768);
  std::wstring report = self;
  if (!window.empty()) {
    HWND parentWindow = reinterpret_cast<HWND>(static_cast<INT_PTR>(std::wcstoll(window.c_str(), nullptr, 10)));
    report += ::IsWindowEnabled(parentWindow) ? L"\nenabled=1" : L"\nenabled=0";
  }
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, report.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, report.c_str(), -1, bytes.data(), size, nullptr, nullptr);
  bytes.pop_back();

  // Written aside and moved in place, so that a test polling for the file never reads half of it.
  const std::wstring partial = target + L".partial";
  HANDLE file =
      ::CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return 2;
  }
  DWORD written = 0;
  const BOOL ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  ::CloseHandle(file);
  return ok && ::MoveFileExW(partial.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 3;
}

}  // namespace corvane::win32::test
