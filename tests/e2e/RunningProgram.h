// A program the test started: its process handle and id, waiting for its end, and ending it.
#pragma once

#include <windows.h>

#include <string>

#include "Poll.h"
#include "platform/win32/ScopedHandle.h"

namespace corvane::e2e {

class RunningProgram {
 public:
  // Starts `exe` with the command line `"exe"`, as a person's double-click would; throws when the start fails.
  explicit RunningProgram(const std::wstring& exe);
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;
  // A test never leaves its program behind: whatever still runs is terminated by its own handle.
  ~RunningProgram();

  DWORD Id() const { return id_; }
  bool HasEnded() const;
  // Meaningful once the program has ended.
  DWORD ExitCode() const;
  bool WaitForEnd(Timeout timeout) const;

 private:
  win32::ScopedHandle process_;
  DWORD id_ = 0;
};

}  // namespace corvane::e2e
