// The Windows headers as the backend sees them, without the macros that clash with the seam's names.
#pragma once

#include <windows.h>

#include <commctrl.h>

// The seam names its operations as the system does; the backend calls the W functions by their own names.
#undef CopyFile
#undef DeleteFile
#undef ReplaceFile
#undef WriteConsole
#undef ReportEvent
#undef RegisterEventSource
