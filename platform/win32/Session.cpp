// What the program shares with the rest of the user's session: the console it was started from, and the launcher.
#include "platform/win32/FormClass.h"
#include "platform/win32/ScopedHandle.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Platform.h"

namespace corvane::win32 {

namespace {

constexpr wchar_t kLauncherMutex[] = L"Local\\Corvane.Launcher";
constexpr wchar_t kLauncherCaption[] = L"Corvane";
// How long a start waits for the running launcher's window, and how often it looks.
constexpr ULONGLONG kWaitForLauncherMs = 10000;
constexpr DWORD kPollMs = 50;

// Whether the process runs with administrator rights; one that cannot be asked counts as having them, so that no
// warning is given on a guess.
bool IsElevated(HANDLE process) {
  HANDLE token = nullptr;
  if (process == nullptr || !::OpenProcessToken(process, TOKEN_QUERY, &token)) {
    return true;
  }
  const ScopedHandle owned(token);
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  return !::GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size) ||
         elevation.TokenIsElevated != 0;
}

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
LauncherClaim Win32Desktop::ClaimLauncher() {
  launcherMutex_ = ::CreateMutexW(nullptr, FALSE, kLauncherMutex);
  if (launcherMutex_ == nullptr) {
    return LauncherClaim::Ours;
  }
  const ULONGLONG deadline = ::GetTickCount64() + kWaitForLauncherMs;
  for (;;) {
    const DWORD waited = ::WaitForSingleObject(launcherMutex_, kPollMs);
    if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) {
      return LauncherClaim::Ours;
    }
    runningLauncher_ = ::FindWindowW(kFormClassName, kLauncherCaption);
    if ((runningLauncher_ != nullptr && ::IsWindowVisible(runningLauncher_)) || ::GetTickCount64() >= deadline) {
      break;
    }
  }
  ::CloseHandle(launcherMutex_);
  launcherMutex_ = nullptr;
  DWORD runner = 0;
  if (runningLauncher_ != nullptr && ::GetWindowThreadProcessId(runningLauncher_, &runner) != 0 &&
      IsElevated(::GetCurrentProcess()) &&
      !IsElevated(ScopedHandle(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, runner)).Get())) {
    return LauncherClaim::RunningWithoutRights;
  }
  return LauncherClaim::Running;
}

void Win32Desktop::BringLauncherForward() {
  if (runningLauncher_ != nullptr) {
    if (::IsIconic(runningLauncher_)) {
      ::ShowWindow(runningLauncher_, SW_RESTORE);
    }
    ::SetForegroundWindow(runningLauncher_);
  }
}

void Win32Desktop::ReleaseLauncher() {
  if (launcherMutex_ != nullptr) {
    ::ReleaseMutex(launcherMutex_);
    ::CloseHandle(launcherMutex_);
    launcherMutex_ = nullptr;
  }
}

}  // namespace corvane::win32
