// Waiting for another process while this thread's windows stay painted but take no input.
#pragma once

#include <string_view>

#include "platform/win32/WinApi.h"

namespace corvane::win32 {

// Returns when `process` has ended. Meanwhile the thread's top-level windows are disabled and its non-input
// messages dispatched; the windows are enabled again on the way out. A WM_QUIT seen meanwhile is posted again.
void WaitKeepingWindowsPainted(HANDLE process, std::string_view subject);

}  // namespace corvane::win32
