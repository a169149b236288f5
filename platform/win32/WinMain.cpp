// Corvane.exe: the Win32 platform, the program's windows, and the message loop they run in.
#include "launcher/Program.h"
#include "platform/win32/Win32Platform.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  corvane::win32::Win32Platform platform;
  corvane::Program program(platform);
  program.Start();

  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    // The dialog manager gives the forms Tab and arrow-key navigation between their controls.
    HWND form = message.hwnd != nullptr ? ::GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (form != nullptr && ::IsDialogMessageW(form, &message)) {
      continue;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
