// What the program shares with the rest of the user's session: the console it was started from, and the launcher.
#include "platform/win32/FormClass.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Platform.h"

namespace corvane::win32 {

namespace {

constexpr wchar_t kLauncherMutex[] = L"Local\\Corvane.Launcher";
constexpr wchar_t kLauncherCaption[] = L"Corvane";
// How long a start waits for the running launcher's window, and how often it looks.
constexpr ULONGLONG kWaitForLauncherMs = 10000;
constexpr DWORD kPollMs = 50;

}  // namespace

// A program built for windows has no console of its own: it writes to the one it was started from, or to where
// that console's output was sent.
void Win32Platform::WriteConsole(const std::string& line) {
  if (!consoleLooked_) {
    consoleLooked_ = true;
    console_ = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if ((console_ == nullptr || console_ == INVALID_HANDLE_VALUE) && ::AttachConsole(ATTACH_PARENT_PROCESS)) {
      console_ = ::CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    }
  }
  if (console_ == nullptr || console_ == INVALID_HANDLE_VALUE) {
    return;
  }
  DWORD mode = 0;
  DWORD written = 0;
  if (::GetConsoleMode(console_, &mode)) {
    const std::wstring wide = Widen(line);
    ::WriteConsoleW(console_, wide.c_str(), static_cast<DWORD>(wide.size()), &written, nullptr);
  } else {
    ::WriteFile(console_, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  }
}

// The mutex alone decides which start runs the launcher: the one that owns it, until its launcher closes. Its window
// may not be made yet when another start comes, so that start waits for it; should the owner let go meanwhile, that
// start runs the launcher itself. An owner that ended without letting go leaves the mutex abandoned, and free.
bool Win32Desktop::ClaimLauncher() {
  launcherMutex_ = ::CreateMutexW(nullptr, FALSE, kLauncherMutex);
  if (launcherMutex_ == nullptr) {
    return true;
  }
  const ULONGLONG deadline = ::GetTickCount64() + kWaitForLauncherMs;
  HWND running = nullptr;
  for (;;) {
    const DWORD waited = ::WaitForSingleObject(launcherMutex_, kPollMs);
    if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) {
      return true;
    }
    running = ::FindWindowW(kFormClassName, kLauncherCaption);
    if ((running != nullptr && ::IsWindowVisible(running)) || ::GetTickCount64() >= deadline) {
      break;
    }
  }
  ::CloseHandle(launcherMutex_);
  launcherMutex_ = nullptr;
  if (running != nullptr) {
    if (::IsIconic(running)) {
      ::ShowWindow(running, SW_RESTORE);
    }
    ::SetForegroundWindow(running);
  }
  return false;
}

void Win32Desktop::ReleaseLauncher() {
  if (launcherMutex_ != nullptr) {
    ::ReleaseMutex(launcherMutex_);
    ::CloseHandle(launcherMutex_);
    launcherMutex_ = nullptr;
  }
}

}  // namespace corvane::win32
