// The start-up and memory benchmark: Corvane.exe against a bare one-window program, started alike, interleaved.
// Usage: corvane_startup_bench (no arguments); prints every figure, exits 1 when a goal is missed beyond its noise.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "BenchConfig.h"
#include "ProcessMemory.h"
#include "ShownWindows.h"
#include "StartConditions.h"
#include "Statistics.h"
#include "TimedStart.h"
#include "Verdict.h"
#include "Wide.h"

namespace corvane::bench {

namespace {

// At least 15 starts of each for a steady median; with 21 the quartiles are also its confidence interval (NoiseOf).
constexpr int kStarts = 21;
constexpr Goal kStartUpGoal{Bound::AtMost, 1.10};
constexpr Goal kMemoryGoal{Bound::AtMost, 1.50};
constexpr double kMebibyte = 1 << 20;
// The previous program's end (its X windows, the server's bookkeeping) is let finish before the next start.
constexpr DWORD kPauseBetweenStartsMs = 100;

struct Subject {
  const char* name;
  std::wstring exe;
  std::function<bool(DWORD)> isReady;
  bool opensOtherWindows;
  std::vector<double> seconds;
  std::vector<double> peakAfterStart;      // bytes
  std::vector<double> peakWithAllWindows;  // bytes; Corvane only
  std::vector<WorkingSet> implausible;     // figures no real system reports
};

void Keep(std::vector<double>& figures, const WorkingSet& workingSet, Subject& subject) {
  if (!IsPlausible(workingSet)) {
    subject.implausible.push_back(workingSet);
  }
  figures.push_back(static_cast<double>(workingSet.peak));
}

// One start: timed until ready, then the settled peak working set read; Corvane then opens its other two windows
// and is read again. The program is terminated by its handle on the way out.
void Measure(Subject& subject, bool counted) {
  const TimedStart start = StartAndTime(subject.exe, subject.isReady, e2e::kStartWait);
  const DWORD id = start.program->Id();
  const ProcessMemory memory(id);
  const WorkingSet afterStart = memory.ReadSettled();
  std::printf("  %-11s %.3f s, peak working set %.1f MiB", subject.name, start.seconds,
              static_cast<double>(afterStart.peak) / kMebibyte);
  std::optional<WorkingSet> withAllWindows;
  if (subject.opensOtherWindows) {
    OpenSupportAndEditor(id);
    withAllWindows = memory.ReadSettled();
    std::printf(", %.1f MiB with all its windows", static_cast<double>(withAllWindows->peak) / kMebibyte);
  }
  std::printf("\n");
  std::fflush(stdout);
  // The first start of a run also pays for reading from the disk what later ones find cached.
  if (!counted) {
    return;
  }
  subject.seconds.push_back(start.seconds);
  Keep(subject.peakAfterStart, afterStart, subject);
  if (withAllWindows) {
    Keep(subject.peakWithAllWindows, *withAllWindows, subject);
    // A peak that fell while the same process went on is no peak.
    if (withAllWindows->peak < afterStart.peak) {
      subject.implausible.push_back(*withAllWindows);
    }
  }
}

// The noise of a ratio of two medians. The quartiles of 21 values are the 6th and 16th smallest, the bounds of a 97%
// confidence interval of their median whatever their distribution; the wider interval of the two, relative to its
// median, bounds how far the ratio may be off.
double NoiseOf(const std::vector<double>& numerator, const std::vector<double>& denominator) {
  return std::max(RelativeInterquartileRange(numerator), RelativeInterquartileRange(denominator));
}

Verdict ReportStartUp(const Subject& corvane, const Subject& bare) {
  std::printf("\nmedian start-up: Corvane %.3f s, bare window %.3f s; interquartile range / median %.3f, %.3f\n",
              Median(corvane.seconds), Median(bare.seconds), RelativeInterquartileRange(corvane.seconds),
              RelativeInterquartileRange(bare.seconds));
  return ReportRatio("start-up time, Corvane / bare window", Median(corvane.seconds) / Median(bare.seconds),
                     NoiseOf(corvane.seconds, bare.seconds), kStartUpGoal);
}

Verdict ReportMemory(const Subject& corvane, const Subject& bare) {
  const std::string afterStart = "peak working set after start-up, Corvane / bare window";
  const std::string withAll = "peak working set with all 3 windows opened, Corvane / bare window";
  for (const Subject* subject : {&corvane, &bare}) {
    if (subject->implausible.empty()) {
      continue;
    }
    const WorkingSet& first = subject->implausible.front();
    std::printf(
        "\nThe system (Wine) reports no real working set for %s (peak %zu bytes, current %zu bytes): the memory goals "
        "cannot be judged.\n",
        subject->name, first.peak, first.current);
    PrintResult(afterStart, "not measured", GoalText(kMemoryGoal, 2), "NOT MEASURED");
    PrintResult(withAll, "not measured", GoalText(kMemoryGoal, 2), "NOT MEASURED");
    return Verdict::Missed;
  }
  std::printf(
      "\nmedian peak working set (1 MiB = 1048576 bytes): Corvane %.1f MiB after start-up, %.1f MiB with "
      "all its windows; bare window %.1f MiB\n",
      Median(corvane.peakAfterStart) / kMebibyte, Median(corvane.peakWithAllWindows) / kMebibyte,
      Median(bare.peakAfterStart) / kMebibyte);
  const Verdict first = ReportRatio(afterStart, Median(corvane.peakAfterStart) / Median(bare.peakAfterStart),
                                    NoiseOf(corvane.peakAfterStart, bare.peakAfterStart), kMemoryGoal);
  const Verdict second = ReportRatio(withAll, Median(corvane.peakWithAllWindows) / Median(bare.peakAfterStart),
                                     NoiseOf(corvane.peakWithAllWindows, bare.peakAfterStart), kMemoryGoal);
  return Worse(first, second);
}

int Run() {
  Subject corvane{"Corvane", e2e::WindowsPath(kCorvaneExe), IsLauncherReady, true, {}, {}, {}, {}};
  Subject bare{"bare window", e2e::WindowsPath(kBareWindowExe), IsBareWindowShown, false, {}, {}, {}, {}};
  const StartConditions conditions(bare.exe);
  std::printf(
      "Start-up: %d starts of each program after one not counted, interleaved; from just before "
      "CreateProcessW until its window shows (Corvane's launcher with its captions), polled every 1 ms.\n",
      kStarts);
  for (int round = 0; round <= kStarts; ++round) {
    std::printf(round == 0 ? "warm-up:\n" : "round %d:\n", round);
    // Each goes first in every other round, so that neither always starts on the heels of the other's end.
    Subject& first = round % 2 == 1 ? corvane : bare;
    Subject& second = round % 2 == 1 ? bare : corvane;
    for (Subject* subject : {&first, &second}) {
      Measure(*subject, round > 0);
      Sleep(kPauseBetweenStartsMs);
    }
  }
  const Verdict startUp = ReportStartUp(corvane, bare);
  return ExitStatusOf(Worse(startUp, ReportMemory(corvane, bare)));
}

}  // namespace

}  // namespace corvane::bench

int main() {
  try {
    return corvane::bench::Run();
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "%s\n", failure.what());
    return 2;
  }
}
