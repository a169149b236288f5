// The start-up and memory benchmark: Corvane.exe against a bare one-window program and against its own window built
// alone, all started alike, interleaved.
#include "Bench.h"
// after windows.h, which Bench.h brings and these need
#include <psapi.h>
#include <timeapi.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <span>
#include <stdexcept>
#include <string>

#include "launcher/frmCorvaneLayout.h"
#include "support/frmSupport11Layout.h"

namespace corvane::bench {
namespace {

// At least 15 starts of each for a steady median; with 21 the quartiles bound a 97% confidence interval of it.
constexpr int kStarts = 21;
constexpr const char* kMemoryGoal = "<= 1.50";

struct Subject {
  const char* name;
  std::wstring exe;
  std::string caption;
  bool whole = false;                                           // Corvane itself, which opens its other windows too
  std::vector<double> seconds{}, peak{}, peakWithAllWindows{};  // peaks in bytes; all windows: Corvane only
};

// The Win32 id of the control of that layout name: the table's order gives it (ControlIdOf).
int IdOf(std::span<const ControlSpec> controls, std::string_view name) {
  return ControlIdOf(
      static_cast<std::size_t>(std::ranges::find(controls, name, &ControlSpec::name) - controls.begin()));
}

// The peak working set once it has not grown for 200 ms: the windows shown have been painted, their fonts loaded.
double SettledPeak(const Program& program) {
  PROCESS_MEMORY_COUNTERS counters{};
  SIZE_T last = 0;
  for (int step = 0, unchanged = 0; step < 40 && unchanged < 4; ++step, last = counters.PeakWorkingSetSize) {
    ::Sleep(50);
    if (!::GetProcessMemoryInfo(program.Handle(), &counters, sizeof(counters))) {
      throw std::runtime_error("GetProcessMemoryInfo: error " + std::to_string(::GetLastError()));
    }
    unchanged = counters.PeakWorkingSetSize == last ? unchanged + 1 : 0;
  }
  return static_cast<double>(last);
}

// One start, timed from just before CreateProcessW until the window shows (Corvane's launcher shows once its captions
// are set), then the settled peak; Corvane then opens its other two windows and is read again.
void Measure(Subject& subject) {
  const auto started = std::chrono::steady_clock::now();
  const Program program(L"\"" + subject.exe + L"\"");
  HWND window = WaitForWindow(program, subject.caption);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  const double peak = SettledPeak(program);
  std::printf("  %-11s %.3f s, peak working set %.1f MiB", subject.name, seconds, peak / (1 << 20));
  subject.seconds.push_back(seconds);
  subject.peak.push_back(peak);
  if (subject.whole) {
    ::PostMessageW(::GetDlgItem(window, IdOf(kFrmCorvaneControls, "CmdOpenSupport")), BM_CLICK, 0, 0);
    HWND support = WaitForWindow(program, "Support11");
    ::PostMessageW(::GetDlgItem(support, IdOf(kFrmSupport11Controls, "CmdEditPaths")), BM_CLICK, 0, 0);
    WaitForWindow(program, "Paths11");
    subject.peakWithAllWindows.push_back(SettledPeak(program));
    std::printf(", %.1f MiB with all its windows", subject.peakWithAllWindows.back() / (1 << 20));
  }
  std::printf("\n");
}

}  // namespace

int StartUpBench(const std::wstring& corvane, const std::wstring& bareWindow, const std::wstring& sameWindow) {
  Subject launcher{"Corvane", corvane, "Corvane", true};
  Subject bare{"bare window", bareWindow, "Bare window"};
  Subject same{"same window", sameWindow, "Corvane"};
  std::printf("%d starts of each after a warm-up, interleaved, polled every 1 ms:\n", kStarts);
  // Sleep(1) would otherwise round every poll up to the 15.6 ms timer tick.
  ::timeBeginPeriod(1);
  for (int round = 0; round <= kStarts; ++round) {
    // Each goes first in turn, so that none always starts on the heels of another's end.
    for (int step = 0; step < 3; ++step) {
      Subject* subject = std::array{&launcher, &bare, &same}[(round + step) % 3];
      Measure(*subject);
      ::Sleep(100);  // the previous program's end is let finish first
    }
    std::fflush(stdout);
  }
  ::timeEndPeriod(1);
  bool met = ReportRatio("start-up time, Corvane / bare window", launcher.seconds, bare.seconds, "<= 1.10");
  met &= ReportRatio("start-up time, Corvane / its window alone", launcher.seconds, same.seconds, "<= 1.05");
  met &= ReportRatio("peak working set after start-up, Corvane / bare window", launcher.peak, bare.peak, kMemoryGoal);
  met &= ReportRatio("peak working set with all 3 windows opened, Corvane / bare window", launcher.peakWithAllWindows,
                     bare.peak, kMemoryGoal);
  return met ? 0 : 1;
}

}  // namespace corvane::bench
