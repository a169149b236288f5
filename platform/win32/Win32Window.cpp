// The form's window procedure and the Window operations over its controls.
#include "platform/win32/Win32Window.h"

#include <stdexcept>

#include <windowsx.h>

#include "platform/win32/Dpi.h"
#include "platform/win32/FormClass.h"
#include "platform/win32/FormControls.h"
#include "platform/win32/SystemError.h"
#include "platform/win32/Tooltips.h"
#include "platform/win32/WideText.h"

namespace corvane::win32 {

namespace {

constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kFormExStyle = 0;
constexpr UINT_PTR kTextBoxSubclass = 1;
constexpr std::string_view kFormName = "Form";
// Posted by Show, behind the first paint.
constexpr UINT kShownMessage = WM_APP + 1;

COLORREF ColourOf(Rgb rgb) {
  return RGB(rgb.red, rgb.green, rgb.blue);
}

RECT WindowRect(HWND window) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  return rect;
}

// The outer rectangle whose client area has the designed position and size.
RECT OuterRect(const FormLayout& layout, int dpi) {
  const Rect& client = layout.client;
  RECT rect{TwipsToPixels(client.left, dpi), TwipsToPixels(client.top, dpi),
            TwipsToPixels(client.left + client.width, dpi), TwipsToPixels(client.top + client.height, dpi)};
  ::AdjustWindowRectEx(&rect, kFormStyle, FALSE, kFormExStyle);
  return rect;
}

}  // namespace

Win32Window::Win32Window(HINSTANCE instance, const FormLayout& layout, EventSink& sink, HWND owner)
    : layout_(layout), sink_(sink), dpi_(ScreenDpi()), font_(CreateControlFont(dpi_)) {
  if (layout_.background) {
    background_ = ScopedBrush(::CreateSolidBrush(ColourOf(*layout_.background)));
  }
  const RECT outer = OuterRect(layout_, dpi_);
  // WM_NCCREATE stores `this` in the window and sets window_.
  if (::CreateWindowExW(kFormExStyle, kFormClassName, Widen(layout_.caption).c_str(), kFormStyle, outer.left, outer.top,
                        outer.right - outer.left, outer.bottom - outer.top, owner, nullptr, instance,
                        this) == nullptr) {
    ThrowLastError(layout_.name);
  }
  // Creation clamped the size to the system's minimum; now WM_GETMINMAXINFO lets the designed size stand.
  ::SetWindowPos(window_, nullptr, outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  try {
    CreateControls(instance);
  } catch (...) {
    ::SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    ::DestroyWindow(window_);
    throw;
  }
}

Win32Window::~Win32Window() {
  if (window_ == nullptr) {
    return;
  }
  // Messages sent while the window goes away find no object any more.
  ::SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  for (const Control& control : controls_) {
    if (control.row->kind == ControlKind::TextBox) {
      ::RemoveWindowSubclass(control.window, &TextBoxProc, kTextBoxSubclass);
    }
  }
  ::DestroyWindow(window_);
}

void Win32Window::CreateControls(HINSTANCE instance) {
  const auto table = layout_.controls;
  controls_.resize(table.size());
  tooltip_ = CreateTooltipWindow(window_, instance);
  for (const std::size_t index : CreationOrder(table)) {
    Control& control = controls_[index];
    control.row = &table[index];
    control.window = CreateControl(window_, instance, table, index, dpi_);
    ::SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    if (control.row->colour) {
      control.background = ScopedBrush(::CreateSolidBrush(ColourOf(*control.row->colour)));
    }
    if (control.row->kind == ControlKind::TextBox) {
      ::SetWindowSubclass(control.window, &TextBoxProc, kTextBoxSubclass, reinterpret_cast<DWORD_PTR>(this));
    }
    if (!control.row->tooltip.empty()) {
      AddTooltip(tooltip_, window_, control.window, control.row->tooltip);
    }
  }
}

// On a move to a display of another resolution, the layout is made again at that resolution.
void Win32Window::ApplyDpi(int dpi) {
  dpi_ = dpi;
  ScopedFont font = CreateControlFont(dpi_);
  for (std::size_t index = 0; index < controls_.size(); ++index) {
    const RECT rect = ControlRect(layout_.controls, index, dpi_);
    ::SetWindowPos(controls_[index].window, nullptr, rect.left, rect.top, rect.right - rect.left,
                   rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageW(controls_[index].window, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
  }
  font_ = std::move(font);
}

LRESULT CALLBACK Win32Window::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Win32Window*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) {
    return ::DefWindowProcW(window, message, wParam, lParam);
  }
  return self->HandleMessage(window, message, wParam, lParam);
}

LRESULT CALLBACK Win32Window::TextBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR self) {
  if (message != WM_LBUTTONDBLCLK) {
    return ::DefSubclassProc(window, message, wParam, lParam);
  }
  // The box selects the word first, as it would anyway; then the program hears of the double-click.
  const LRESULT result = ::DefSubclassProc(window, message, wParam, lParam);
  auto* form = reinterpret_cast<Win32Window*>(self);
  if (const Control* control = form->ControlOfWindow(window)) {
    form->Notify(control->row->name, Event::DblClick);
  }
  return result;
}

// Every branch that tells the sink returns the sink's call at once: the object may be gone after it.
LRESULT Win32Window::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kShownMessage:
      return Notify(kFormName, Event::Shown);
    case WM_COMMAND: {
      // A disabled form, as during a compaction's wait, takes no click, not even one sent to a button by a program.
      const Control* control =
          lParam != 0 && ::IsWindowEnabled(window_) ? ControlOfWindow(reinterpret_cast<HWND>(lParam)) : nullptr;
      if (control != nullptr && HIWORD(wParam) == BN_CLICKED &&
          (control->row->kind == ControlKind::Button || control->row->kind == ControlKind::CheckBox)) {
        return Notify(control->row->name, Event::Click);
      }
      if (control != nullptr && control->row->kind == ControlKind::ListBox &&
          (HIWORD(wParam) == LBN_SELCHANGE || HIWORD(wParam) == LBN_DBLCLK)) {
        return Notify(control->row->name, HIWORD(wParam) == LBN_DBLCLK ? Event::DblClick : Event::Click);
      }
      // Enter and Escape, as the dialog manager sends them: the buttons that stand for them, where they may be pressed.
      if (lParam == 0 && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) && ::IsWindowEnabled(window_)) {
        for (const Control& button : controls_) {
          const bool stands = LOWORD(wParam) == IDOK ? button.row->pressedByEnter : button.row->pressedByEscape;
          if (stands && ::IsWindowEnabled(button.window)) {
            return Notify(button.row->name, Event::Click);
          }
        }
      }
      break;
    }
    case WM_LBUTTONDBLCLK: {
      const std::string_view frame = FrameAt(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      if (!frame.empty()) {
        return Notify(frame, Event::DblClick);
      }
      break;
    }
    case WM_CLOSE:
      // The program decides whether the form unloads.
      return Notify(kFormName, Event::Close);
    case WM_ACTIVATE:
      Activate(LOWORD(wParam) != WA_INACTIVE);
      return 0;
    case WM_ERASEBKGND:
      if (background_.IsValid()) {
        RECT client{};
        ::GetClientRect(window_, &client);
        ::FillRect(reinterpret_cast<HDC>(wParam), &client, background_.Get());
        return 1;
      }
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return ControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message, wParam, lParam);
    case WM_DPICHANGED: {
      ApplyDpi(LOWORD(wParam));
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      ::SetWindowPos(window_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_GETMINMAXINFO: {
      // A narrow form keeps its designed client width, even below the usual minimum of a captioned window.
      const RECT outer = OuterRect(layout_, dpi_);
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{outer.right - outer.left, outer.bottom - outer.top};
      return 0;
    }
    case WM_NCDESTROY:
      window_ = nullptr;
      break;
    default:
      break;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Win32Window::Notify(std::string_view control, Event event) noexcept {
  sink_.OnEvent(control, event);
  return 0;
}

LRESULT Win32Window::ControlColour(HDC dc, HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  const Control* found = ControlOfWindow(control);
  if (found == nullptr || (!found->background.IsValid() && !found->text)) {
    return ::DefWindowProcW(window_, message, wParam, lParam);
  }
  // The system's brush and colours first, where the control has no background of its own; the text colour after.
  LRESULT brush = 0;
  if (found->background.IsValid()) {
    ::SetBkColor(dc, ColourOf(*found->row->colour));
    brush = reinterpret_cast<LRESULT>(found->background.Get());
  } else {
    brush = ::DefWindowProcW(window_, message, wParam, lParam);
  }
  if (found->text) {
    ::SetTextColor(dc, *found->text);
  }
  return brush;
}

// A form remembers which control had the focus, and gives it back when it is activated again; the first time,
// the control with the lowest tab index gets it.
void Win32Window::Activate(bool active) {
  if (!active) {
    HWND focus = ::GetFocus();
    if (focus != nullptr && ::IsChild(window_, focus)) {
      lastFocus_ = focus;
    }
    return;
  }
  HWND target =
      lastFocus_ != nullptr && ::IsWindow(lastFocus_) && ::IsWindowVisible(lastFocus_) && ::IsWindowEnabled(lastFocus_)
          ? lastFocus_
          : FirstTabStop();
  ::SetFocus(target != nullptr ? target : window_);
}

HWND Win32Window::FirstTabStop() const {
  for (HWND child = ::GetWindow(window_, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
    const LONG_PTR style = ::GetWindowLongPtrW(child, GWL_STYLE);
    if ((style & WS_TABSTOP) != 0 && (style & WS_VISIBLE) != 0 && (style & WS_DISABLED) == 0) {
      return child;
    }
  }
  return nullptr;
}

const Win32Window::Control* Win32Window::ControlOfWindow(HWND control) const {
  if (control == nullptr || ::GetParent(control) != window_) {
    return nullptr;
  }
  const int index = ::GetDlgCtrlID(control) - ControlIdOf(0);
  if (index < 0 || static_cast<std::size_t>(index) >= controls_.size()) {
    return nullptr;
  }
  return controls_[static_cast<std::size_t>(index)].window == control ? &controls_[static_cast<std::size_t>(index)]
                                                                      : nullptr;
}

const Win32Window::Control& Win32Window::ControlNamed(std::string_view name) const {
  for (const Control& control : controls_) {
    if (control.row->name == name) {
      return control;
    }
  }
  throw std::logic_error("Form " + std::string(layout_.name) + " has no control " + std::string(name));
}

// A double-click on the form itself (no control took it) inside a frame belongs to that frame, unless it fell
// on a control that does not take the mouse, such as a label.
std::string_view Win32Window::FrameAt(POINT clientPoint) const {
  POINT screenPoint = clientPoint;
  ::ClientToScreen(window_, &screenPoint);
  std::string_view frame;
  for (const Control& control : controls_) {
    const RECT rect = WindowRect(control.window);
    if (!::IsWindowVisible(control.window) || !::PtInRect(&rect, screenPoint)) {
      continue;
    }
    if (control.row->kind != ControlKind::Frame) {
      return {};
    }
    frame = control.row->name;
  }
  return frame;
}

void Win32Window::SetText(std::string_view control, const std::string& text) {
  ::SetWindowTextW(ControlNamed(control).window, Widen(text).c_str());
}

std::string Win32Window::Text(std::string_view control) const {
  HWND window = ControlNamed(control).window;
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

bool Win32Window::IsChecked(std::string_view control) const {
  return ::SendMessageW(ControlNamed(control).window, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Window::SetChecked(std::string_view control, bool checked) {
  ::SendMessageW(ControlNamed(control).window, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Win32Window::SetTextColour(std::string_view control, std::optional<Rgb> colour) {
  Control& found = controls_[static_cast<std::size_t>(&ControlNamed(control) - controls_.data())];
  found.text = colour ? std::optional(ColourOf(*colour)) : std::nullopt;
  ::InvalidateRect(found.window, nullptr, TRUE);
}

void Win32Window::SetEnabled(std::string_view control, bool enabled) {
  ::EnableWindow(ControlNamed(control).window, enabled ? TRUE : FALSE);
}

void Win32Window::SetCaption(const std::string& caption) {
  ::SetWindowTextW(window_, Widen(caption).c_str());
}

void Win32Window::SetLines(std::string_view control, const std::vector<std::string>& lines) {
  const HWND list = ControlNamed(control).window;
  ::SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const std::string& line : lines) {
    ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(line).c_str()));
  }
}

std::optional<int> Win32Window::SelectedLine(std::string_view control) const {
  const LRESULT selected = ::SendMessageW(ControlNamed(control).window, LB_GETCURSEL, 0, 0);
  return selected == LB_ERR ? std::nullopt : std::optional(static_cast<int>(selected));
}

void Win32Window::SetControlVisible(std::string_view control, bool visible) {
  ::ShowWindow(ControlNamed(control).window, visible ? SW_SHOW : SW_HIDE);
}

// The control's own setting, as a hidden form's controls still count as visible.
bool Win32Window::IsControlVisible(std::string_view control) const {
  return (::GetWindowLongPtrW(ControlNamed(control).window, GWL_STYLE) & WS_VISIBLE) != 0;
}

int Win32Window::OuterWidth() const {
  const RECT rect = WindowRect(window_);
  return PixelsToTwips(rect.right - rect.left, dpi_);
}

int Win32Window::Left() const {
  return PixelsToTwips(WindowRect(window_).left, dpi_);
}

void Win32Window::SetLeft(int twips) {
  const RECT rect = WindowRect(window_);
  ::SetWindowPos(window_, nullptr, TwipsToPixels(twips, dpi_), rect.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Window::Show() {
  ::ShowWindow(window_, SW_SHOW);
  ::SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ::SetForegroundWindow(window_);
  // Painted now, so that whatever the Shown handler reads (a slow share) comes after the window is seen.
  ::UpdateWindow(window_);
  ::PostMessageW(window_, kShownMessage, 0, 0);
}

void Win32Window::Hide() {
  ::ShowWindow(window_, SW_HIDE);
}

bool Win32Window::IsVisible() const {
  return ::IsWindowVisible(window_) != FALSE;
}

}  // namespace corvane::win32
