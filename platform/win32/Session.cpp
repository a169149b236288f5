// What the program shares with the rest of the user's session: the console it was started from, and the launcher.
#include "platform/win32/FormClass.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Platform.h"

namespace corvane::win32 {

namespace {

constexpr wchar_t kLauncherMutex[] = L"Local\\Corvane.Launcher";
constexpr wchar_t kLauncherCaption[] = L"Corvane";

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

// A named mutex says whether a launcher runs in this session; its window is found by its class and caption. A
// process whose launcher was closed but whose editor is still open holds the mutex without a launcher: a new start
// then opens a launcher of its own.
bool Win32Platform::ClaimLauncher() {
  launcherMutex_ = ::CreateMutexW(nullptr, FALSE, kLauncherMutex);
  if (launcherMutex_ == nullptr || ::GetLastError() != ERROR_ALREADY_EXISTS) {
    return true;
  }
  HWND running = ::FindWindowW(kFormClassName, kLauncherCaption);
  if (running == nullptr) {
    return true;
  }
  if (::IsIconic(running)) {
    ::ShowWindow(running, SW_RESTORE);
  }
  ::SetForegroundWindow(running);
  return false;
}

}  // namespace corvane::win32
