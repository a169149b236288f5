// The state the program's routines share: the settings record and the outside programs. Whoever runs the program (the
// owner of the windows, or an unattended run) owns one and hands it to each routine that needs it.
#pragma once

#include "locate/OutsidePrograms.h"
#include "settings/LauncherSettings.h"

namespace corvane::Shortcuts11 {

struct State : OutsidePrograms {
  LauncherSettingsRecord LauncherSettings;
};

}  // namespace corvane::Shortcuts11
