// Registration of the form class: double-clicks reported, the dialog face as the default background.
#include "platform/win32/FormClass.h"

#include "platform/win32/SystemError.h"

namespace corvane::win32 {

void RegisterFormClass(HINSTANCE instance, WNDPROC windowProc) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (::GetClassInfoExW(instance, kFormClassName, &existing)) {
    return;
  }
  WNDCLASSEXW formClass{};
  formClass.cbSize = sizeof formClass;
  formClass.style = CS_DBLCLKS;
  formClass.lpfnWndProc = windowProc;
  formClass.hInstance = instance;
  formClass.hIcon = ::LoadIconW(nullptr, IDI_APPLICATION);
  formClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  formClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  formClass.lpszClassName = kFormClassName;
  if (::RegisterClassExW(&formClass) == 0) {
    ThrowLastError("Window class");
  }
}

}  // namespace corvane::win32
