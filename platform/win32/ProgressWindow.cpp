// A plain top-level window of two static lines, made and shown without taking the focus.
#include "platform/win32/ProgressWindow.h"

#include "platform/win32/Dpi.h"
#include "platform/win32/FormControls.h"
#include "platform/win32/WideText.h"

namespace corvane::win32 {

namespace {

// Caption, border and nothing else: without WS_SYSMENU there is no close box.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION;
constexpr wchar_t kCaption[] = L"Corvane";

// Designed at 96 dots per inch, in pixels.
constexpr int kClientWidth = 320;
constexpr int kClientHeight = 76;
constexpr int kMargin = 16;
constexpr int kLineHeight = 20;
constexpr int kHeadingTop = 12;
constexpr int kDetailTop = 40;

// The copy cannot be stopped halfway, so closing the window (Alt+F4, or another program asking) does nothing.
LRESULT CALLBACK ProgressProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterProgressClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (::GetClassInfoExW(instance, kProgressClassName, &windowClass)) {
    return true;
  }
  windowClass.lpfnWndProc = &ProgressProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kProgressClassName;
  return ::RegisterClassExW(&windowClass) != 0;
}

int Scaled(int pixels, int dpi) {
  return ::MulDiv(pixels, dpi, USER_DEFAULT_SCREEN_DPI);
}

HWND CreateLine(HWND parent, HINSTANCE instance, const std::wstring& text, int top, int dpi, HFONT font) {
  HWND line = ::CreateWindowExW(0, WC_STATICW, text.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
                                Scaled(kMargin, dpi), Scaled(top, dpi), Scaled(kClientWidth - 2 * kMargin, dpi),
                                Scaled(kLineHeight, dpi), parent, nullptr, instance, nullptr);
  if (line != nullptr && font != nullptr) {
    ::SendMessageW(line, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  return line;
}

}  // namespace

ProgressWindow::ProgressWindow(const std::string& heading, const std::string& detail) : detailText_(detail) {
  Create(Widen(heading));
}

ProgressWindow::~ProgressWindow() {
  if (window_ != nullptr) {
    ::DestroyWindow(window_);
  }
}

void ProgressWindow::SetDetail(const std::string& detail) {
  if (detail == detailText_) {
    return;
  }
  detailText_ = detail;
  if (detail_ != nullptr) {
    ::SetWindowTextW(detail_, Widen(detail).c_str());
  }
}

void ProgressWindow::Create(const std::wstring& heading) {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  if (!RegisterProgressClass(instance)) {
    return;
  }
  const int dpi = ScreenDpi();
  font_ = CreateControlFont(dpi);
  RECT outer{0, 0, Scaled(kClientWidth, dpi), Scaled(kClientHeight, dpi)};
  ::AdjustWindowRectEx(&outer, kStyle, FALSE, 0);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  RECT workArea{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
  window_ = ::CreateWindowExW(
      0, kProgressClassName, kCaption, kStyle, workArea.left + (workArea.right - workArea.left - width) / 2,
      workArea.top + (workArea.bottom - workArea.top - height) / 2, width, height, nullptr, nullptr, instance, nullptr);
  if (window_ == nullptr) {
    return;
  }
  CreateLine(window_, instance, heading, kHeadingTop, dpi, font_.Get());
  detail_ = CreateLine(window_, instance, Widen(detailText_), kDetailTop, dpi, font_.Get());
  // The program's own windows are disabled meanwhile; the one that had the focus keeps it for afterwards.
  ::ShowWindow(window_, SW_SHOWNOACTIVATE);
  ::UpdateWindow(window_);
}

}  // namespace corvane::win32
