// Peak working set of a running process, read once or once it has settled.
#include "ProcessMemory.h"

#include <psapi.h>

#include <stdexcept>
#include <string>

namespace corvane::bench {

namespace {

constexpr std::size_t kMegabyte = 1u << 20;
constexpr std::size_t kGigabyte = 1u << 30;
constexpr DWORD kSettleStepMs = 50;
// Four steps without growth count as settled; a program that keeps growing is read after two seconds all the same.
constexpr int kStepsWithoutGrowth = 4;
constexpr int kMostSteps = 40;

}  // namespace

bool IsPlausible(const WorkingSet& workingSet) {
  return workingSet.peak >= kMegabyte && workingSet.peak < kGigabyte && workingSet.current > 0 &&
         workingSet.current <= workingSet.peak;
}

ProcessMemory::ProcessMemory(DWORD processId)
    : process_(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId)) {
  if (!process_.IsValid()) {
    throw std::runtime_error("cannot open process " + std::to_string(processId) + ": error " +
                             std::to_string(GetLastError()));
  }
}

WorkingSet ProcessMemory::Read() const {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  if (!GetProcessMemoryInfo(process_.Get(), &counters, sizeof(counters))) {
    throw std::runtime_error("GetProcessMemoryInfo failed: error " + std::to_string(GetLastError()));
  }
  return {counters.PeakWorkingSetSize, counters.WorkingSetSize};
}

WorkingSet ProcessMemory::ReadSettled() const {
  WorkingSet last = Read();
  for (int step = 0, unchanged = 0; step < kMostSteps && unchanged < kStepsWithoutGrowth; ++step) {
    Sleep(kSettleStepMs);
    const WorkingSet now = Read();
    unchanged = now.peak == last.peak ? unchanged + 1 : 0;
    last = now;
  }
  return last;
}

}  // namespace corvane::bench
