// One place that knows which Win32 control stands for each kind of control in a layout table.
#include "platform/win32/FormControls.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/win32/Dpi.h"
#include "platform/win32/SystemError.h"
#include "platform/win32/WideText.h"

namespace corvane::win32 {

namespace {

constexpr WPARAM kTextBoxLimit = 32767;

struct ControlClass {
  const wchar_t* className;
  DWORD style;
};

ControlClass ClassOf(const ControlSpec& control) {
  switch (control.kind) {
    case ControlKind::TextBox:
      return {WC_EDITW, static_cast<DWORD>(WS_BORDER | ES_AUTOHSCROLL | (control.centred ? ES_CENTER : ES_LEFT))};
    case ControlKind::Button:
      // Captions wrap: the tall buttons are designed for two lines ("Compact Selected Apps").
      return {WC_BUTTONW,
              static_cast<DWORD>((control.pressedByEnter ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_MULTILINE)};
    case ControlKind::Label:
      return {WC_STATICW, SS_LEFT};
    case ControlKind::CheckBox:
      return {WC_BUTTONW, BS_AUTOCHECKBOX};
    case ControlKind::Frame:
      return {WC_BUTTONW, BS_GROUPBOX};
    case ControlKind::ListBox:
      return {WC_LISTBOXW, static_cast<DWORD>(WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT)};
  }
  throw std::logic_error("Unknown control kind");
}

// Labels and frames never take the focus, whatever tab index the table gives them.
bool CanTakeFocus(ControlKind kind) {
  return kind == ControlKind::TextBox || kind == ControlKind::Button || kind == ControlKind::CheckBox ||
         kind == ControlKind::ListBox;
}

const ControlSpec& FrameNamed(std::span<const ControlSpec> controls, std::string_view name) {
  const auto frame = std::find_if(controls.begin(), controls.end(), [name](const ControlSpec& control) {
    return control.name == name && control.kind == ControlKind::Frame;
  });
  if (frame == controls.end()) {
    throw std::logic_error("No frame named " + std::string(name));
  }
  return *frame;
}

}  // namespace

std::vector<std::size_t> CreationOrder(std::span<const ControlSpec> controls) {
  std::vector<std::size_t> order(controls.size());
  for (std::size_t index = 0; index < order.size(); ++index) {
    order[index] = index;
  }
  std::stable_sort(order.begin(), order.end(), [controls](std::size_t a, std::size_t b) {
    const std::optional<int> tabA = controls[a].tab;
    const std::optional<int> tabB = controls[b].tab;
    if (tabA.has_value() != tabB.has_value()) {
      return !tabB.has_value();
    }
    return tabA.has_value() && *tabA < *tabB;
  });
  return order;
}

RECT ControlRect(std::span<const ControlSpec> controls, std::size_t index, int dpi) {
  const ControlSpec& control = controls[index];
  int left = control.rect.left;
  int top = control.rect.top;
  if (!control.frame.empty()) {
    const ControlSpec& frame = FrameNamed(controls, control.frame);
    left += frame.rect.left;
    top += frame.rect.top;
  }
  return RECT{TwipsToPixels(left, dpi), TwipsToPixels(top, dpi), TwipsToPixels(left + control.rect.width, dpi),
              TwipsToPixels(top + control.rect.height, dpi)};
}

HWND CreateControl(HWND form, HINSTANCE instance, std::span<const ControlSpec> controls, std::size_t index, int dpi) {
  const ControlSpec& control = controls[index];
  const ControlClass controlClass = ClassOf(control);
  DWORD style = WS_CHILD | controlClass.style;
  if (!control.hidden) {
    style |= WS_VISIBLE;
  }
  if (control.tab.has_value() && CanTakeFocus(control.kind)) {
    style |= WS_TABSTOP;
  }
  const RECT rect = ControlRect(controls, index, dpi);
  HWND window = ::CreateWindowExW(0, controlClass.className, Widen(control.text).c_str(), style, rect.left, rect.top,
                                  rect.right - rect.left, rect.bottom - rect.top, form,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlIdOf(index))), instance, nullptr);
  if (window == nullptr) {
    ThrowLastError(control.name);
  }
  if (control.kind == ControlKind::TextBox) {
    // A typed path may be as long as Windows' longest; the edit control's own default stops at 30,000.
    ::SendMessageW(window, EM_SETLIMITTEXT, kTextBoxLimit, 0);
  }
  return window;
}

ScopedFont CreateControlFont(int dpi) {
  return ScopedFont(::CreateFontW(-::MulDiv(kFontHundredthsOfPoint, dpi, 72 * 100), 0, 0, 0, kFontWeight, FALSE, FALSE,
                                  FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH | FF_SWISS, Widen(kFontFace).c_str()));
}

}  // namespace corvane::win32
