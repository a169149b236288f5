// The user interface: message boxes, windows, the screen and the one launcher of a session. Only an interactive run
// has one; an unattended run receives the Platform alone, so that the compiler keeps it from ever showing a window.
#pragma once

#include <memory>
#include <string>

#include "platform/Platform.h"
#include "platform/Window.h"

namespace corvane {

enum class Buttons { Ok, YesNo, OkCancel, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

// Who runs the launcher of the session, as a start finds it.
enum class LauncherClaim {
  Ours,                  // this start runs it
  Running,               // another start does
  RunningWithoutRights,  // another start does, without the administrator rights that this one has
};

class UserInterface {
 public:
  virtual ~UserInterface() = default;

  // Modal for every window of the program; no icon.
  virtual Answer ShowMessage(const std::string& text, const std::string& title, Buttons buttons) = 0;
  // Width of the whole screen, in twips.
  virtual int ScreenWidth() = 0;
  // Creates the window hidden, with every control of `layout`; events go to `sink`. A window with an owner stays in
  // front of it, and goes with it when it is minimised.
  virtual std::unique_ptr<Window> CreateForm(const FormLayout& layout, EventSink& sink, Window* owner) = 0;
  // Ends the process at once; no further handler runs.
  virtual void EndProgram() = 0;
  // Whether this start runs the launcher, as no other launcher is running. When another is, this start waits until its
  // window shows (a start may be that quick), and should then bring it forward and end.
  virtual LauncherClaim ClaimLauncher() = 0;
  // Brings the running launcher's window to the front, restored where it was minimised.
  virtual void BringLauncherForward() = 0;
  // Lets another start run a launcher, once this one has closed.
  virtual void ReleaseLauncher() = 0;
};

// An interactive run's operating system: the platform and its user interface.
class Desktop : public virtual Platform, public UserInterface {};

}  // namespace corvane
