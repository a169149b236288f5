// Registration of the form class: double-clicks reported, the dialog face as the default background, Corvane's icon.
#include "platform/win32/FormClass.h"

#include "platform/win32/SystemError.h"

namespace corvane::win32 {

namespace {

// Corvane's icon from the exe's resources, drawn for the system's size rather than scaled from another; the
// generic one where a program has none.
HICON ProgramIcon(HINSTANCE instance, int widthMetric, int heightMetric) {
  const auto icon = static_cast<HICON>(::LoadImageW(instance, L"CORVANE", IMAGE_ICON, ::GetSystemMetrics(widthMetric),
                                                    ::GetSystemMetrics(heightMetric), LR_SHARED));
  return icon != nullptr ? icon : ::LoadIconW(nullptr, IDI_APPLICATION);
}

}  // namespace

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
  formClass.hIcon = ProgramIcon(instance, SM_CXICON, SM_CYICON);
  formClass.hIconSm = ProgramIcon(instance, SM_CXSMICON, SM_CYSMICON);
  formClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  formClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  formClass.lpszClassName = kFormClassName;
  if (::RegisterClassExW(&formClass) == 0) {
    ThrowLastError("Window class");
  }
}

}  // namespace corvane::win32
