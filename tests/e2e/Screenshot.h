// Saves what is on the screen as a PNG, so that a run leaves a picture of what the program showed.
#pragma once

#include <windows.h>

#include <string>

namespace corvane::e2e {

// The whole screen (under Wine, the prefix's virtual desktop). Throws when the picture cannot be taken or saved.
void SaveScreenshot(const std::wstring& pngPath);
// Only `area` of the screen, in screen pixels, such as the rectangle of the windows a picture is about.
void SaveScreenshot(const std::wstring& pngPath, const RECT& area);

}  // namespace corvane::e2e
