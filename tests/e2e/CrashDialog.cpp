// Sets Wine's per-user debugger option that replaces the crash dialog with a backtrace on the error output.
#include "CrashDialog.h"

#include <windows.h>

#include <stdexcept>

namespace corvane::e2e {

void LetCrashesEndTheProgram() {
  const DWORD off = 0;
  const LSTATUS status =
      RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Wine\\WineDbg", L"ShowCrashDialog", REG_DWORD, &off, sizeof(off));
  if (status != ERROR_SUCCESS) {
    throw std::runtime_error("cannot switch off the crash dialog: error " + std::to_string(status));
  }
}

}  // namespace corvane::e2e
