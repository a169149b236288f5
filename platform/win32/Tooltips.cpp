// Tooltips through a subclassed tool per control, so no mouse message needs relaying by hand.
#include "platform/win32/Tooltips.h"

#include <string>

#include "platform/win32/SystemError.h"
#include "platform/win32/WideText.h"

namespace corvane::win32 {

HWND CreateTooltipWindow(HWND form, HINSTANCE instance) {
  HWND tooltip = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr, instance, nullptr);
  if (tooltip == nullptr) {
    ThrowLastError("Tooltip");
  }
  return tooltip;
}

void AddTooltip(HWND tooltip, HWND form, HWND control, std::string_view text) {
  std::wstring wideText = Widen(text);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = form;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = wideText.data();  // The tooltip keeps its own copy.
  ::SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace corvane::win32
