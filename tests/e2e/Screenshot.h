// Saves what is on the screen as a PNG, so that a run leaves a picture of what the program showed.
#pragma once

#include <string>

namespace corvane::e2e {

// The whole screen (under Wine, the prefix's virtual desktop). Throws when the picture cannot be taken or saved.
void SaveScreenshot(const std::wstring& pngPath);

}  // namespace corvane::e2e
