// Browse: an Explorer window on "C:\Program Files", to look up folders and file names.
#pragma once

#include "locate/OutsidePrograms.h"
#include "platform/Platform.h"

namespace corvane::Shortcuts11 {

void OpenExplorer(Platform& platform, OutsidePrograms& programs);

}  // namespace corvane::Shortcuts11
