// Win32Desktop: the user interface, its start-up, and the entry's makers of either platform. The one launcher of a
// session is claimed in Session.cpp.
#include "platform/win32/Dpi.h"
#include "platform/win32/FormClass.h"
#include "platform/win32/SystemError.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32Window.h"

namespace corvane::win32 {

Win32Desktop::Win32Desktop() : Win32Platform(true), instance_(::GetModuleHandleW(nullptr)) {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
  ::InitCommonControlsEx(&controls);
  RegisterFormClass(instance_, &Win32Window::WindowProc);
}

Answer Win32Desktop::ShowMessage(const std::string& text, const std::string& title, Buttons buttons) {
  UINT type = MB_OK;
  if (buttons == Buttons::YesNo) {
    type = MB_YESNO;
  } else if (buttons == Buttons::OkCancel) {
    type = MB_OKCANCEL;
  } else if (buttons == Buttons::YesNoCancel) {
    type = MB_YESNOCANCEL;
  }
  // Task-modal: every window of the program waits for the answer, not just one owner.
  const int answer =
      ::MessageBoxW(nullptr, Widen(text).c_str(), Widen(title).c_str(), type | MB_TASKMODAL | MB_SETFOREGROUND);
  switch (answer) {
    case 0:
      ThrowLastError(title);
    case IDYES:
      return Answer::Yes;
    case IDNO:
      return Answer::No;
    case IDCANCEL:
      return Answer::Cancel;
    default:
      return Answer::Ok;
  }
}

int Win32Desktop::ScreenWidth() {
  return PixelsToTwips(::GetSystemMetrics(SM_CXSCREEN), ScreenDpi());
}

std::unique_ptr<Window> Win32Desktop::CreateForm(const FormLayout& layout, EventSink& sink, Window* owner) {
  // Every window here is a Win32Window: the only kind this desktop makes.
  const HWND ownerWindow = owner != nullptr ? static_cast<Win32Window*>(owner)->handle() : nullptr;
  return std::make_unique<Win32Window>(instance_, layout, sink, ownerWindow);
}

void Win32Desktop::EndProgram() {
  ::ExitProcess(0);
}

std::unique_ptr<Platform> MakeWindowlessPlatform() {
  return std::make_unique<Win32Platform>();
}

std::unique_ptr<Desktop> MakeDesktop() {
  return std::make_unique<Win32Desktop>();
}

}  // namespace corvane::win32
