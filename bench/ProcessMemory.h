// Another process's working set as the system reports it (GetProcessMemoryInfo).
#pragma once

#include <windows.h>

#include <cstddef>

#include "platform/win32/ScopedHandle.h"

namespace corvane::bench {

struct WorkingSet {
  std::size_t peak = 0;
  std::size_t current = 0;
};

// Whether the figures can be real: a Win32 program with a window takes at least a megabyte and, this small, less
// than a gigabyte, and its peak is never below what it holds now. Zeros mean the system does not count.
bool IsPlausible(const WorkingSet& workingSet);

class ProcessMemory {
 public:
  // Opens the running process `processId` for the queries; throws when the system refuses.
  explicit ProcessMemory(DWORD processId);

  // Throws when the system refuses.
  WorkingSet Read() const;
  // The peak once it has not grown for a while: the windows shown have then been painted and their fonts loaded.
  WorkingSet ReadSettled() const;

 private:
  win32::ScopedHandle process_;
};

}  // namespace corvane::bench
