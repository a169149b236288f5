// Disabling and re-enabling the thread's top-level windows around a long wait.
#include "platform/win32/ThreadWindowsDisabled.h"

namespace corvane::win32 {

namespace {

BOOL CALLBACK CollectEnabled(HWND window, LPARAM list) {
  if (::IsWindowEnabled(window)) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  }
  return TRUE;
}

}  // namespace

ThreadWindowsDisabled::ThreadWindowsDisabled() {
  ::EnumThreadWindows(::GetCurrentThreadId(), &CollectEnabled, reinterpret_cast<LPARAM>(&disabled_));
  for (HWND window : disabled_) {
    ::EnableWindow(window, FALSE);
  }
}

ThreadWindowsDisabled::~ThreadWindowsDisabled() {
  for (HWND window : disabled_) {
    // A window may have been destroyed while disabled; its handle then means nothing.
    if (::IsWindow(window)) {
      ::EnableWindow(window, TRUE);
    }
  }
}

}  // namespace corvane::win32
