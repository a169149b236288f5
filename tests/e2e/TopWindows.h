// The top-level windows of one process, found by caption and class as a person sees them on the screen.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace corvane::e2e {

// Visible top-level windows of the process, in the system's z-order.
std::vector<HWND> VisibleTopWindowsOf(DWORD processId);

// A window's text, asked of its own process, which also answers while it shows a modal message box.
std::string WindowText(HWND window);
std::string ClassOf(HWND window);

// The process's visible window with this caption that is not a message box; nullptr when it shows none.
HWND FindFormWindow(DWORD processId, std::string_view caption);

RECT WindowRect(HWND window);
// Width of the screen (under Wine, of the prefix's virtual desktop) in pixels.
int ScreenWidthPixels();
int PixelsPerInch();

}  // namespace corvane::e2e
