// Finds controls by name through the layout table's order, which fixes their Win32 ids.
#include "Form.h"

#include <stdexcept>

#include "TopWindows.h"
#include "Wide.h"

namespace corvane::e2e {

namespace {

struct IdSearch {
  int id;
  HWND found;
};

BOOL CALLBACK MatchId(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<IdSearch*>(param);
  if (GetDlgCtrlID(window) != search.id) {
    return TRUE;
  }
  search.found = window;
  return FALSE;
}

// Controls inside a frame are the frame's children, which GetDlgItem on the window does not reach.
HWND FindById(HWND window, int id) {
  if (HWND direct = GetDlgItem(window, id)) {
    return direct;
  }
  IdSearch search{id, nullptr};
  EnumChildWindows(window, MatchId, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

struct PointSearch {
  HWND except;
  POINT screenPoint;
  bool covered;
};

BOOL CALLBACK CoverPoint(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<PointSearch*>(param);
  RECT rect{};
  GetWindowRect(window, &rect);
  if (window != search.except && IsWindowVisible(window) && PtInRect(&rect, search.screenPoint)) {
    search.covered = true;
    return FALSE;
  }
  return TRUE;
}

bool IsCoveredByOtherControl(HWND form, HWND frame, POINT screenPoint) {
  PointSearch search{frame, screenPoint, false};
  EnumChildWindows(form, CoverPoint, reinterpret_cast<LPARAM>(&search));
  return search.covered;
}

// Sent, not posted: the box has taken the text when the call returns, and the test reads it straight after.
void SendAndWait(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(control, message, wParam, lParam, SMTO_ABORTIFHUNG, 2000, &ignored);
}

}  // namespace

HWND Form::Control(std::string_view name) const {
  for (std::size_t index = 0; index < layout_.controls.size(); ++index) {
    if (layout_.controls[index].name != name) {
      continue;
    }
    HWND control = FindById(window_, ControlIdOf(index));
    if (control == nullptr) {
      throw std::runtime_error("the window has no control " + std::string(name));
    }
    return control;
  }
  throw std::runtime_error(std::string(layout_.name) + " has no control named " + std::string(name));
}

std::string Form::Text(std::string_view name) const {
  return WindowText(Control(name));
}

bool Form::IsChecked(std::string_view name) const {
  DWORD_PTR state = BST_UNCHECKED;
  SendMessageTimeoutW(Control(name), BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &state);
  return state == BST_CHECKED;
}

bool Form::IsShown(std::string_view name) const {
  return (GetWindowLongPtrW(Control(name), GWL_STYLE) & WS_VISIBLE) != 0;
}

void Form::SetText(std::string_view name, std::string_view text) const {
  const std::wstring wide = ToWide(text);
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(Control(name), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()), SMTO_ABORTIFHUNG, 2000,
                      &ignored);
}

void Form::TypeOver(std::string_view name, std::string_view text) const {
  HWND box = Control(name);
  const std::wstring wide = ToWide(text);
  SendAndWait(box, EM_SETSEL, 0, -1);
  // Typing can be undone, so the replacement can too.
  SendAndWait(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
}

void Form::TypeAtEnd(std::string_view name, wchar_t character) const {
  HWND box = Control(name);
  DWORD_PTR length = 0;
  SendMessageTimeoutW(box, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length);
  SendAndWait(box, EM_SETSEL, length, static_cast<LPARAM>(length));
  SendAndWait(box, WM_CHAR, character, 1);
}

void Form::Click(std::string_view name) const {
  PostMessageW(Control(name), BM_CLICK, 0, 0);
}

void Form::DoubleClick(std::string_view name) const {
  HWND control = Control(name);
  RECT client{};
  GetClientRect(control, &client);
  const LPARAM centre = MAKELPARAM(client.right / 2, client.bottom / 2);
  PostMessageW(control, WM_LBUTTONDBLCLK, MK_LBUTTON, centre);
  PostMessageW(control, WM_LBUTTONUP, 0, centre);
}

void Form::DoubleClickFrame(std::string_view name) const {
  HWND frame = Control(name);
  const RECT rect = WindowRect(frame);
  // Inside the frame's border, in steps of a few pixels, the first point no other control covers.
  constexpr int kInset = 4;
  constexpr int kStep = 3;
  for (int y = rect.top + kInset; y < rect.bottom - kInset; y += kStep) {
    for (int x = rect.left + kInset; x < rect.right - kInset; x += kStep) {
      POINT point{x, y};
      if (IsCoveredByOtherControl(window_, frame, point)) {
        continue;
      }
      ScreenToClient(window_, &point);
      const LPARAM at = MAKELPARAM(point.x, point.y);
      PostMessageW(window_, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
      PostMessageW(window_, WM_LBUTTONUP, 0, at);
      return;
    }
  }
  throw std::runtime_error("controls cover the whole of the frame " + std::string(name));
}

}  // namespace corvane::e2e
