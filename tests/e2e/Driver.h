// Drives another process's windows as a person would: start it, find its windows, read, type, click, answer.
#pragma once

#include <windows.h>

#include <chrono>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Layout.h"
#include "platform/win32/ScopedHandle.h"

namespace corvane::e2e {

using Timeout = std::chrono::milliseconds;
// Long enough for a loaded machine, short enough to fail fast; a start under Wine takes longer on a cold prefix.
inline constexpr Timeout kShortWait{3000};
inline constexpr Timeout kStartWait{10000};

// Asks `probe` every 50 ms until its result is truthy or the time is up; returns the last result.
template <class Probe>
auto WaitFor(Probe probe, Timeout timeout = kShortWait) -> decltype(probe()) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  auto result = probe();
  while (!result && std::chrono::steady_clock::now() < deadline) {
    ::Sleep(50);
    result = probe();
  }
  return result;
}

// Starts a program from its command line; the caller waits for it, and ends it, by this handle of its own.
win32::ScopedHandle StartProcess(std::wstring commandLine);

// A window's text, asked of its own process (WM_GETTEXT), which also answers while a message box is up.
std::string TextOf(HWND window);
RECT RectOf(HWND window);
std::vector<HWND> VisibleTopWindowsOf(DWORD processId);
// The process's visible top-level window with this caption, message boxes aside; nullptr when none shows.
HWND FindWindowOf(DWORD processId, std::string_view caption);
HWND FindMessageBox(DWORD processId);

// A window built from a layout table: its controls are found by name, through the ids ControlIdOf gives them.
class Form {
 public:
  Form(HWND window, std::span<const ControlSpec> controls) : window_(window), controls_(controls) {}

  HWND handle() const { return window_; }
  // Throws when the table has no such name or the window no such control.
  HWND Control(std::string_view name) const;
  std::string Text(std::string_view name) const { return TextOf(Control(name)); }
  // Posted, so that a handler that opens a modal message box never blocks the test.
  void Click(std::string_view name) const { ::PostMessageW(Control(name), BM_CLICK, 0, 0); }

 private:
  HWND window_;
  std::span<const ControlSpec> controls_;
};

// That part of the screen as a PNG. Throws when the picture cannot be taken or saved.
void SaveScreenshot(const std::wstring& path, const RECT& area);

}  // namespace corvane::e2e
