// Dated backup copies of a slot's database in the ArcBackup folder beside it.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace corvane {

// "Arc" + month + day + (year - 2000) + the file name, every number without leading zeros.
std::string BackupName(const Date& date, const std::string& appName);

namespace Shortcuts11 {

void BackupApp(Platform& platform, int slot);

}  // namespace Shortcuts11
}  // namespace corvane
