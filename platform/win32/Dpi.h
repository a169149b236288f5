// Twips to pixels and back at the display's real resolution.
#pragma once

#include "platform/win32/WinApi.h"

namespace corvane::win32 {

inline constexpr int kTwipsPerInch = 1440;

// Dots per inch of the screen, from the screen device context.
int ScreenDpi();

inline int TwipsToPixels(int twips, int dpi) {
  return ::MulDiv(twips, dpi, kTwipsPerInch);
}
inline int PixelsToTwips(int pixels, int dpi) {
  return ::MulDiv(pixels, kTwipsPerInch, dpi);
}

}  // namespace corvane::win32
