// The screen's resolution, read once per question from its device context.
#include "platform/win32/Dpi.h"

namespace corvane::win32 {

int ScreenDpi() {
  HDC screen = ::GetDC(nullptr);
  const int dpi = screen != nullptr ? ::GetDeviceCaps(screen, LOGPIXELSX) : 0;
  if (screen != nullptr) {
    ::ReleaseDC(nullptr, screen);
  }
  // Without a readable screen, the resolution every layout was designed at.
  return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace corvane::win32
