// The windows the start-up benchmark waits for: the bare program's, Corvane's launcher ready, its other two opened.
#pragma once

#include <windows.h>

namespace corvane::bench {

// The bare program's one window is visible.
bool IsBareWindowShown(DWORD processId);

// The launcher "Corvane" is visible and its last button already carries its built-in caption: start-up is done.
bool IsLauncherReady(DWORD processId);

// Support on the launcher, then Edit App Paths on "Support11", which opens "Paths11" (and hides "Support11"); so
// every window the program has has been made. Throws when a window does not show.
void OpenSupportAndEditor(DWORD processId);

}  // namespace corvane::bench
