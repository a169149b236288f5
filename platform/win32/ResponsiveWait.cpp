// MsgWaitForMultipleObjects loop with the thread's windows disabled, as a modal wait should look.
#include "platform/win32/ResponsiveWait.h"

#include <algorithm>
#include <optional>

#include "platform/win32/SystemError.h"
#include "platform/win32/ThreadWindowsDisabled.h"

namespace corvane::win32 {

namespace {

bool IsInput(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK) || message == WM_NCMOUSEHOVER ||
         message == WM_NCMOUSELEAVE;
}

void DispatchAllButInput(std::optional<WPARAM>& quit) {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quit = message.wParam;
    } else if (!IsInput(message.message)) {
      ::DispatchMessageW(&message);
    }
  }
}

}  // namespace

bool WaitKeepingWindowsPainted(HANDLE object, std::string_view subject, std::chrono::milliseconds limit) {
  ThreadWindowsDisabled disabled;
  return PumpAllButInputUntil(object, subject, {}, {}, limit);
}

bool PumpAllButInputUntil(HANDLE object, std::string_view subject, std::chrono::milliseconds interval,
                          const std::function<void()>& tick, std::chrono::milliseconds limit) {
  const ULONGLONG step = static_cast<ULONGLONG>(interval.count());
  const ULONGLONG deadline = limit.count() > 0 ? ::GetTickCount64() + static_cast<ULONGLONG>(limit.count()) : 0;
  std::optional<WPARAM> quit;
  ULONGLONG nextTick = ::GetTickCount64() + step;
  bool ended = true;
  for (;;) {
    DWORD timeout = INFINITE;
    if (tick) {
      // Checked after messages too, so that a steady stream of them cannot hold the ticks back.
      if (::GetTickCount64() >= nextTick) {
        tick();
        nextTick = ::GetTickCount64() + step;
      }
      const ULONGLONG now = ::GetTickCount64();
      timeout = nextTick > now ? static_cast<DWORD>(nextTick - now) : 0;
    }
    if (deadline != 0) {
      const ULONGLONG now = ::GetTickCount64();
      if (now >= deadline) {
        ended = false;
        break;
      }
      timeout = std::min<DWORD>(timeout, static_cast<DWORD>(deadline - now));
    }
    const DWORD woken = ::MsgWaitForMultipleObjects(1, &object, FALSE, timeout, QS_ALLINPUT);
    if (woken == WAIT_OBJECT_0) {
      break;
    }
    if (woken == WAIT_OBJECT_0 + 1) {
      DispatchAllButInput(quit);
    } else if (woken != WAIT_TIMEOUT) {
      ThrowLastError(subject);
    }
  }
  if (quit) {
    ::PostQuitMessage(static_cast<int>(*quit));
  }
  return ended;
}

}  // namespace corvane::win32
