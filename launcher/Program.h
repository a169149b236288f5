// The program's windows: the launcher for the whole run, the support window and the editor while loaded.
#pragma once

#include <memory>

#include "platform/Platform.h"

namespace corvane {

class frmCorvane;
class frmSupport11;
class frmPaths11;

class Program {
 public:
  explicit Program(Platform& platform);
  ~Program();

  // Loads the launcher; its load runs to the end before it is shown.
  void Start();

  Platform& platform() { return platform_; }
  frmCorvane& launcher() { return *launcher_; }

  // Each loads its window where it is not loaded yet, then shows it and brings it to the front.
  void ShowSupport();
  void ShowEditor();
  // Each does nothing when its window is not loaded.
  void UnloadEditor();
  void UnloadLauncher();
  void UnloadSupport();

 private:
  Platform& platform_;
  std::unique_ptr<frmCorvane> launcher_;
  std::unique_ptr<frmSupport11> support_;
  std::unique_ptr<frmPaths11> editor_;
};

}  // namespace corvane
