// Starting, waiting for and terminating the program under test by its own process handle.
#include "RunningProgram.h"

#include <stdexcept>

#include "Wide.h"

namespace corvane::e2e {

RunningProgram::RunningProgram(const std::wstring& exe) {
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    throw std::runtime_error("cannot start " + ToUtf8(exe) + ": error " + std::to_string(GetLastError()));
  }
  CloseHandle(info.hThread);
  process_ = win32::ScopedHandle(info.hProcess);
  id_ = info.dwProcessId;
}

RunningProgram::~RunningProgram() {
  if (!HasEnded()) {
    TerminateProcess(process_.Get(), 1);
    WaitForSingleObject(process_.Get(), static_cast<DWORD>(kShortWait.count()));
  }
}

bool RunningProgram::HasEnded() const {
  return WaitForSingleObject(process_.Get(), 0) == WAIT_OBJECT_0;
}

DWORD RunningProgram::ExitCode() const {
  DWORD code = 0;
  GetExitCodeProcess(process_.Get(), &code);
  return code;
}

bool RunningProgram::WaitForEnd(Timeout timeout) const {
  return WaitForSingleObject(process_.Get(), static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

}  // namespace corvane::e2e
