// The test program doubles as the well-behaved child that the process tests start.
#pragma once

#include <optional>

namespace corvane::win32::test {

// The child's command-line options: --child-write=PATH (required), --child-delay=MILLISECONDS,
// --child-window=HWND. The child waits the delay, then writes its own path to PATH, and, with a window
// given, a second line "enabled=1" or "enabled=0" saying whether that window took input at that moment.
inline constexpr wchar_t kChildWrite[] = L"--child-write=";
inline constexpr wchar_t kChildDelay[] = L"--child-delay=";
inline constexpr wchar_t kChildWindow[] = L"--child-window=";

// Runs as the child when the command line asks for it, returning its exit code; otherwise nothing.
std::optional<int> RunAsChildIfAsked();

}  // namespace corvane::win32::test
