// Opening an application slot's database in Access.
#pragma once

#include "platform/Desktop.h"
#include "settings/ModuleState.h"

namespace corvane::Shortcuts11 {

void OpenApp(Desktop& platform, State& state, int slot);

}  // namespace corvane::Shortcuts11
