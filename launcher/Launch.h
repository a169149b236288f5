// Opening an application slot's database in Access.
#pragma once

#include "platform/Platform.h"

namespace corvane::Shortcuts11 {

void OpenApp(Platform& platform, int slot);

}  // namespace corvane::Shortcuts11
