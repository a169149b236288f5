// The program's windows and their lifetimes.
#include "program/Program.h"

#include "platform/Failure.h"

namespace corvane {

bool ClaimTheLauncher(Desktop& platform) {
  const LauncherClaim claim = platform.ClaimLauncher();
  if (claim == LauncherClaim::Ours) {
    return true;
  }
  if (claim == LauncherClaim::RunningWithoutRights) {
    RunGuarded(platform, [&] {
      ShowInfo(platform,
               "Corvane is already running without administrator rights, so its settings cannot be saved at C:\\. "
               "Exit it, then start Corvane with Run as administrator again.");
    });
  }
  platform.BringLauncherForward();
  return false;
}

Program::Program(Desktop& platform)
    : platform_(platform),
      launcher_(platform, *this, state_),
      support_(platform, *this, state_),
      editor_(platform, *this, state_),
      restore_(platform, *this, state_) {}

void Program::Start() {
  // Without its launcher the program has nothing to show: it says why and ends.
  if (!RunGuarded(platform_, [&] { Show(FormName::Launcher); })) {
    platform_.EndProgram();
  }
}

Form& Program::FormNamed(FormName name) {
  switch (name) {
    case FormName::Launcher:
      return launcher_;
    case FormName::Support:
      return support_;
    case FormName::Editor:
      return editor_;
    case FormName::Restore:
      return restore_;
  }
  return launcher_;
}

void Program::Show(FormName name) {
  Form& form = FormNamed(name);
  if (!form.IsLoaded()) {
    form.Load();
  }
  form.window().Show();
}

void Program::ShowRestore(int slot) {
  Unload(FormName::Restore);
  restore_.SetSlot(slot);
  Show(FormName::Restore);
}

void Program::Unload(FormName name) {
  // Windows takes an owned window with its owner: the restore window goes first, as its own object's.
  if (name == FormName::Support) {
    Unload(FormName::Restore);
  }
  Form& form = FormNamed(name);
  const bool launcher = name == FormName::Launcher && form.IsLoaded();
  if (launcher) {
    // The other windows still place themselves beside where the launcher stood.
    launcherWidth_ = form.window().OuterWidth();
  }
  form.Unload();
  if (launcher) {
    // An editor left open must not keep a new start from opening a launcher.
    platform_.ReleaseLauncher();
  }
}

// A support window that is loaded but hidden does not keep the program running: nothing would be left to show it.
void Program::Close(FormName name) {
  Unload(name);
  if (!AnyWindowOnScreen()) {
    Exit();
  }
}

void Program::Exit() {
  Unload(FormName::Restore);
  Unload(FormName::Editor);
  Unload(FormName::Launcher);
  Unload(FormName::Support);
  platform_.EndProgram();
}

Window* Program::LoadedWindow(FormName name) {
  Form& form = FormNamed(name);
  return form.IsLoaded() ? &form.window() : nullptr;
}

int Program::LauncherWidth() const {
  return launcher_.IsLoaded() ? launcher_.window().OuterWidth() : launcherWidth_;
}

bool Program::AnyWindowOnScreen() {
  for (FormName name : {FormName::Launcher, FormName::Support, FormName::Editor, FormName::Restore}) {
    Form& form = FormNamed(name);
    if (form.IsLoaded() && form.window().IsVisible()) {
      return true;
    }
  }
  return false;
}

}  // namespace corvane
