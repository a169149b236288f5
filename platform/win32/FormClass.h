// The one window class every form of the program is made of.
#pragma once

#include "platform/win32/WinApi.h"

namespace corvane::win32 {

inline constexpr wchar_t kFormClassName[] = L"CorvaneForm";

// Registers the class unless this process already has; throws PlatformError when the system refuses.
void RegisterFormClass(HINSTANCE instance, WNDPROC windowProc);

}  // namespace corvane::win32
