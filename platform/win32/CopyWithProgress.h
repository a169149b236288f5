// A file copy of any size on a thread of its own, while this thread's windows stay painted and, when the copy
// takes a while, a progress window counts the bytes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/win32/WinApi.h"

namespace corvane::win32 {

// Tells the bytes copied so far; called on the copy's thread.
using CopiedReport = std::function<void(std::uint64_t copied)>;
// Copies `from` onto `to`, replacing it; returns ERROR_SUCCESS or the system's error code. Runs on a thread of its
// own, so it must not touch the caller's windows.
using CopyStep = std::function<DWORD(const std::wstring& from, const std::wstring& to, const CopiedReport& report)>;

// The system's copy: CopyFileExW, its progress routine reporting the bytes.
DWORD SystemCopy(const std::wstring& from, const std::wstring& to, const CopiedReport& report);

// Runs `step` and returns when it has ended. Meanwhile this thread's windows take no input and stay painted, as
// while waiting for a process; from about one second on, a progress window names the file and counts the bytes,
// a few times a second, until the copy ends. A copy whose `to` ends a different size from `from` has failed, whatever
// `step` said. When the copy fails, whatever it had begun writing at `to` is removed; a `to` it never wrote stays
// as it was. Throws PlatformError naming both paths.
// With Progress::Never the copy runs on the calling thread and no window shows.
enum class Progress { AfterASecond, Never };
void CopyKeepingWindowsPainted(const std::string& from, const std::string& to, const CopyStep& step = SystemCopy,
                               Progress shown = Progress::AfterASecond);

}  // namespace corvane::win32
