// What the benchmarks share: the programs they start and watch, and the judged lines of the summary table.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/ScopedHandle.h"

namespace corvane::bench {

// A program started from its command line; terminated by its own handle when this goes, if it still runs.
class Program {
 public:
  explicit Program(std::wstring commandLine);
  ~Program();
  HANDLE Handle() const { return process_.Get(); }
  bool HasEnded(DWORD waitMs = 0) const { return ::WaitForSingleObject(process_.Get(), waitMs) == WAIT_OBJECT_0; }

 private:
  win32::ScopedHandle process_;
};

// Polls every millisecond for the program's visible top-level window with this caption; throws when none shows in 10 s.
HWND WaitForWindow(const Program& program, std::string_view caption);

// Prints "result: FIGURE | MEASURED | GOAL | VERDICT", run.sh's table line, for the ratio of the medians (the first
// round, a warm-up, left out) beside the spread; false when the goal ("<= 1.10") is missed by more than the spread.
bool ReportRatio(const char* figure, std::vector<double> numerator, std::vector<double> denominator, const char* goal);

// Each prints its figures and returns 0 when every goal was met, 1 when one was missed.
int StartUpBench(const std::wstring& corvane, const std::wstring& bareWindow, const std::wstring& sameWindow);
int CopyBench(const std::wstring& corvane, const std::wstring& folder, int rounds);

}  // namespace corvane::bench
