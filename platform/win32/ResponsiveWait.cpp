// MsgWaitForMultipleObjects loop with the thread's windows disabled, as a modal wait should look.
#include "platform/win32/ResponsiveWait.h"

#include <optional>
#include <vector>

#include "platform/win32/SystemError.h"

namespace corvane::win32 {

namespace {

// Disables the thread's enabled top-level windows for its lifetime, like a modal dialog does to its owner.
class ThreadWindowsDisabled {
 public:
  ThreadWindowsDisabled() {
    ::EnumThreadWindows(::GetCurrentThreadId(), &Collect, reinterpret_cast<LPARAM>(&disabled_));
    for (HWND window : disabled_) {
      ::EnableWindow(window, FALSE);
    }
  }
  ~ThreadWindowsDisabled() {
    for (HWND window : disabled_) {
      if (::IsWindow(window)) {
        ::EnableWindow(window, TRUE);
      }
    }
  }
  ThreadWindowsDisabled(const ThreadWindowsDisabled&) = delete;
  ThreadWindowsDisabled& operator=(const ThreadWindowsDisabled&) = delete;

 private:
  static BOOL CALLBACK Collect(HWND window, LPARAM list) {
    if (::IsWindowEnabled(window)) {
      reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    }
    return TRUE;
  }

  std::vector<HWND> disabled_;
};

bool IsInput(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK) || message == WM_NCMOUSEHOVER ||
         message == WM_NCMOUSELEAVE;
}

}  // namespace

void WaitKeepingWindowsPainted(HANDLE process, std::string_view subject) {
  std::optional<WPARAM> quit;
  {
    ThreadWindowsDisabled disabled;
    for (;;) {
      const DWORD woken = ::MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_ALLINPUT);
      if (woken == WAIT_OBJECT_0) {
        break;
      }
      if (woken != WAIT_OBJECT_0 + 1) {
        ThrowLastError(subject);
      }
      MSG message;
      while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
          quit = message.wParam;
        } else if (!IsInput(message.message)) {
          ::DispatchMessageW(&message);
        }
      }
    }
  }
  if (quit) {
    ::PostQuitMessage(static_cast<int>(*quit));
  }
}

}  // namespace corvane::win32
