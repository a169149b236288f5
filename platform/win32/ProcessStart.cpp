// StartProgram: CreateProcessW with the application name given, so a path with blanks is never cut at a blank.
#include "platform/win32/Win32Platform.h"

#include <vector>

#include "platform/win32/ResponsiveWait.h"
#include "platform/win32/ScopedHandle.h"
#include "platform/win32/SystemError.h"
#include "platform/win32/WideText.h"

namespace corvane::win32 {

std::optional<std::uint32_t> Win32Platform::StartProgram(const std::string& program, const std::string& commandLine,
                                                         Wait wait, int limitMinutes) {
  if (program.empty()) {
    // There is no program to name; the command line shows what was asked for.
    ThrowSystemError(ERROR_FILE_NOT_FOUND, commandLine.empty() ? std::string("\"\"") : commandLine);
  }
  const std::wstring application = Widen(program);
  // CreateProcessW may write into the command line, so it gets a copy of its own.
  const std::wstring wideCommandLine = Widen(commandLine);
  std::vector<wchar_t> writableCommandLine(wideCommandLine.begin(), wideCommandLine.end());
  writableCommandLine.push_back(L'\0');

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION started{};
  if (!::CreateProcessW(application.c_str(), writableCommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
    ThrowLastError(program);
  }
  ScopedHandle process(started.hProcess);
  ScopedHandle(started.hThread).Close();

  if (wait == Wait::No || !WaitKeepingWindowsPainted(process.Get(), program, std::chrono::minutes(limitMinutes))) {
    return std::nullopt;
  }
  DWORD code = 0;
  if (!::GetExitCodeProcess(process.Get(), &code)) {
    ThrowLastError(program);
  }
  return code;
}

}  // namespace corvane::win32
