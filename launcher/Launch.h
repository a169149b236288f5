// Opening an application slot's database in Access.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace corvane::Shortcuts11 {

void OpenApp(Platform& platform, int slot);
void OpenWithAccess(Platform& platform, std::string databasePath);

}  // namespace corvane::Shortcuts11
