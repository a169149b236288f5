// The owner of the program's windows: the launcher from start-up, the support window, the editor and the restore
// window while loaded.
#pragma once

#include "launcher/frmCorvane.h"
#include "platform/Desktop.h"
#include "platform/FormOwner.h"
#include "settings/ModuleState.h"
#include "settings/frmPaths11.h"
#include "support/frmRestore.h"
#include "support/frmSupport11.h"

namespace corvane {

// Whether this start runs the launcher. Where another start runs it, that one is brought forward instead, after a word
// where this start has administrator rights that the running one lacks: its own saves would be refused at C:\.
bool ClaimTheLauncher(Desktop& platform);

class Program final : public FormOwner {
 public:
  explicit Program(Desktop& platform);

  // Loads the launcher, whose load runs to the end before it is shown.
  void Start();

  void Show(FormName form) override;
  void ShowRestore(int slot) override;
  void Unload(FormName form) override;
  void Close(FormName form) override;
  void Exit() override;
  int LauncherWidth() const override;
  Window* LoadedWindow(FormName form) override;

  // The module's state that the windows' routines share, for the run of the program.
  Shortcuts11::State& state() { return state_; }

 private:
  Form& FormNamed(FormName name);
  bool AnyWindowOnScreen();

  Desktop& platform_;
  Shortcuts11::State state_;
  frmCorvane launcher_;
  frmSupport11 support_;
  frmPaths11 editor_;
  frmRestore restore_;
  int launcherWidth_ = 0;
};

}  // namespace corvane
