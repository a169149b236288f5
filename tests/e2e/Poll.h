// Waiting for something another process does: poll until it holds or the time is up.
#pragma once

#include <windows.h>

#include <chrono>

namespace corvane::e2e {

using Timeout = std::chrono::milliseconds;

// How long a person's action may take to show: long enough for a loaded machine, short enough to fail fast.
inline constexpr Timeout kShortWait{3000};
// Starting a process under Wine takes a second or two, longer on a cold prefix or a busy machine.
inline constexpr Timeout kStartWait{10000};

// Calls `probe` until its result is truthy or `timeout` has passed; returns the last result.
template <class Probe>
auto WaitFor(Probe probe, Timeout timeout) -> decltype(probe()) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    auto result = probe();
    if (result || std::chrono::steady_clock::now() >= deadline) {
      return result;
    }
    Sleep(50);
  }
}

}  // namespace corvane::e2e
