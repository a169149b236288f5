// The tooltip window of a form, and its controls as tools of it.
#pragma once

#include <string_view>

#include "platform/win32/WinApi.h"

namespace corvane::win32 {

// Throws PlatformError when the system refuses; the form owns (and in the end destroys) the tooltip window.
HWND CreateTooltipWindow(HWND form, HINSTANCE instance);
// The tooltip shows `text` while the mouse rests on `control`.
void AddTooltip(HWND tooltip, HWND form, HWND control, std::string_view text);

}  // namespace corvane::win32
