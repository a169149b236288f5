// The common failure rule: a routine's run-time failure is shown once, in the program's own message box.
#pragma once

#include <exception>
#include <string_view>

#include "platform/Platform.h"

namespace corvane {

inline constexpr std::string_view kProgramTitle = "Corvane";
inline constexpr std::string_view kWarningTitle = "WARNING";

// OK button only, no icon, the program's title.
inline void ShowInfo(Platform& platform, const std::string& text) {
  platform.ShowMessage(text, std::string(kProgramTitle), Buttons::Ok);
}

// Runs `body`; a failure ends it, is shown, and is not passed to the caller. Returns whether `body` completed.
template <class Body>
bool RunGuarded(Platform& platform, Body&& body) {
  try {
    body();
    return true;
  } catch (const std::exception& failure) {
    try {
      ShowInfo(platform, failure.what());
    } catch (const std::exception&) {
      // Nothing is left to tell the user with.
    }
    return false;
  }
}

}  // namespace corvane
