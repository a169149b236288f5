// Turning a layout table's rows into Win32 controls: order, placement, window class and style, font.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "platform/Layout.h"
#include "platform/win32/ScopedHandle.h"

namespace corvane::win32 {

// Table indexes in creation order: by tab index, then the controls without one in table order. The dialog
// manager tabs through controls in creation order, so the Tab key follows the tab indexes.
std::vector<std::size_t> CreationOrder(std::span<const ControlSpec> controls);

// The control's rectangle in the form's client area, in pixels; a control inside a frame is offset by the
// frame's position. Throws std::logic_error for a parent the table lacks.
RECT ControlRect(std::span<const ControlSpec> controls, std::size_t index, int dpi);

// Creates the control at `index` of `controls` as a child of `form`, with id ControlIdOf(index).
// Throws PlatformError when the system refuses.
HWND CreateControl(HWND form, HINSTANCE instance, std::span<const ControlSpec> controls, std::size_t index, int dpi);

// The font every control uses, at `dpi`.
ScopedFont CreateControlFont(int dpi);

}  // namespace corvane::win32
