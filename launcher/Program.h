// The program's windows: the launcher for the whole run, the other windows while they are loaded.
#pragma once

#include <memory>

#include "platform/Platform.h"

namespace corvane {

class frmCorvane;

class Program {
 public:
  explicit Program(Platform& platform);
  ~Program();

  // Creates the launcher; its load runs to the end before it is shown.
  void Start();

  Platform& platform() { return platform_; }
  frmCorvane* launcher() { return launcher_.get(); }

  // Loads the support window where needed and shows it.
  void ShowSupport();
  // Each does nothing when its window is not loaded.
  void UnloadEditor();
  void UnloadLauncher();
  void UnloadSupport();

 private:
  Platform& platform_;
  std::unique_ptr<frmCorvane> launcher_;
};

}  // namespace corvane
