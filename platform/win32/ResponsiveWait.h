// Waiting for another process or thread while this thread's windows stay painted but take no input.
#pragma once

#include <chrono>
#include <functional>
#include <string_view>

#include "platform/win32/WinApi.h"

namespace corvane::win32 {

// Returns when `object` (a process or thread) has ended, true, or when `limit` (where given) has passed, false.
// Meanwhile the thread's top-level windows are disabled (ThreadWindowsDisabled) and its non-input messages
// dispatched, as in PumpAllButInputUntil.
bool WaitKeepingWindowsPainted(HANDLE object, std::string_view subject, std::chrono::milliseconds limit = {});

// Returns when `object` has ended, dispatching the thread's messages meanwhile except input, which is dropped so
// that no click acts after the wait. `tick`, when given, runs on this thread about every `interval`. A WM_QUIT seen
// meanwhile is posted again on the way out. Returns false when `limit` (where given) passed first. Throws
// PlatformError naming `subject` when the wait itself fails.
bool PumpAllButInputUntil(HANDLE object, std::string_view subject, std::chrono::milliseconds interval = {},
                          const std::function<void()>& tick = {}, std::chrono::milliseconds limit = {});

}  // namespace corvane::win32
