// The start-up clock: CreateProcessW through the driver's RunningProgram, then a fine poll of the new windows.
#include "TimedStart.h"

#include <timeapi.h>

#include <chrono>
#include <stdexcept>

#include "MessageBoxes.h"
#include "Wide.h"

namespace corvane::bench {

namespace {

// Windows' timer ticks every 15.6 ms unless asked for 1 ms; Sleep(1) would otherwise round every poll up.
class FineTimer {
 public:
  FineTimer() { timeBeginPeriod(1); }
  ~FineTimer() { timeEndPeriod(1); }
  FineTimer(const FineTimer&) = delete;
  FineTimer& operator=(const FineTimer&) = delete;
};

std::string NotReady(const std::wstring& exe, const e2e::RunningProgram& program) {
  const std::string name = e2e::ToUtf8(exe);
  if (program.HasEnded()) {
    return name + " ended, with exit code " + std::to_string(program.ExitCode()) + ", before it was ready";
  }
  if (const auto box = e2e::FindMessageBox(program.Id())) {
    return name + " shows the message box \"" + box->text + "\" instead of its window";
  }
  return name + " was not ready in time";
}

}  // namespace

TimedStart StartAndTime(const std::wstring& exe, const std::function<bool(DWORD)>& isReady, e2e::Timeout timeout) {
  FineTimer fineTimer;
  TimedStart start;
  const auto started = std::chrono::steady_clock::now();
  start.program = std::make_unique<e2e::RunningProgram>(exe);
  const DWORD id = start.program->Id();
  for (;;) {
    if (isReady(id)) {
      start.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
      return start;
    }
    if (start.program->HasEnded() || std::chrono::steady_clock::now() - started > timeout) {
      throw std::runtime_error(NotReady(exe, *start.program));
    }
    Sleep(1);
  }
}

}  // namespace corvane::bench
