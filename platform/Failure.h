// The common failure rule: a routine's run-time failure is shown once, in the program's own message box.
#pragma once

#include <exception>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "platform/Desktop.h"

namespace corvane {

// A failure the program finds for itself (a settings file too short, a name too short to cut), as opposed to a
// refusal of the system (PlatformError). Both are shown by the common failure rule below.
class ProgramError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr std::string_view kProgramTitle = "Corvane";
inline constexpr std::string_view kWarningTitle = "WARNING";

// OK button only, no icon, the program's title.
inline void ShowInfo(UserInterface& platform, const std::string& text) {
  platform.ShowMessage(text, std::string(kProgramTitle), Buttons::Ok);
}

// The failure rule at an event's boundary: runs `body`; a failure ends it, is shown, and is not passed to the caller.
// Returns whether `body` completed. The window base runs every handler under it.
template <class Body>
bool RunGuarded(UserInterface& platform, Body&& body) {
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

// Inside a handler, for a step after whose failure the routine must go on: the next ticked slot, the next size
// report, the next settings file's message, the next locator of start-up. The step's failure is shown there and
// then, and the caller goes on with its next step.
template <class Step>
bool GoOnAfterFailure(UserInterface& platform, Step&& step) {
  return RunGuarded(platform, std::forward<Step>(step));
}

}  // namespace corvane
