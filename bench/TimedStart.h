// Starting a program and timing it until it shows what it should, polled every millisecond.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "Poll.h"
#include "RunningProgram.h"

namespace corvane::bench {

struct TimedStart {
  // Terminated by its own handle when this goes.
  std::unique_ptr<e2e::RunningProgram> program;
  // From just before CreateProcessW until `isReady` first held.
  double seconds = 0;
};

// Starts `exe` and asks `isReady(processId)` every millisecond. Throws when the program ends first, or when it is
// not ready within `timeout` (saying which message box it shows instead, if any).
TimedStart StartAndTime(const std::wstring& exe, const std::function<bool(DWORD)>& isReady, e2e::Timeout timeout);

}  // namespace corvane::bench
