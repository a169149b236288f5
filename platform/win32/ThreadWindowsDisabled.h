// The calling thread's top-level windows disabled for a while, as a modal dialog disables its owner.
#pragma once

#include <vector>

#include "platform/win32/WinApi.h"

namespace corvane::win32 {

// Disables the thread's enabled top-level windows (shown or hidden) for its lifetime and enables the same windows
// again at its end. Windows made meanwhile are not touched.
class ThreadWindowsDisabled {
 public:
  ThreadWindowsDisabled();
  ~ThreadWindowsDisabled();
  ThreadWindowsDisabled(const ThreadWindowsDisabled&) = delete;
  ThreadWindowsDisabled& operator=(const ThreadWindowsDisabled&) = delete;

 private:
  std::vector<HWND> disabled_;
};

}  // namespace corvane::win32
