// The launcher column: title box, eleven application buttons, Support and Exit.
#pragma once

#include <array>

#include "platform/Layout.h"

namespace corvane {

inline constexpr Rgb kCyan{0, 255, 255};

// Tab indexes are as designed, not top to bottom: CmdOpen9 comes before CmdOpen6, CmdOpen10 and 11 last.
inline constexpr std::array kFrmCorvaneControls{
    ControlSpec{"tTitle", ControlKind::TextBox, "Name", 10, 0, 975, 360, 0, true, kCyan, {}, true},
    ControlSpec{"CmdOpen1", ControlKind::Button, "Open 1", 10, 480, 975, 360, 1},
    ControlSpec{"CmdOpen2", ControlKind::Button, "Open 2", 10, 840, 975, 360, 2},
    ControlSpec{"CmdOpen3", ControlKind::Button, "Open 3", 10, 1200, 975, 360, 3},
    ControlSpec{"CmdOpen4", ControlKind::Button, "Open 4", 10, 1560, 975, 360, 4},
    ControlSpec{"CmdOpen5", ControlKind::Button, "Open 5", 10, 1920, 975, 360, 5},
    ControlSpec{"CmdOpen6", ControlKind::Button, "Open 6", 10, 2280, 975, 360, 7},
    ControlSpec{"CmdOpen7", ControlKind::Button, "Open 7", 10, 2640, 975, 360, 8},
    ControlSpec{"CmdOpen8", ControlKind::Button, "Open 8", 10, 3000, 975, 360, 9},
    ControlSpec{"CmdOpen9", ControlKind::Button, "Open 9", 10, 3360, 975, 360, 6},
    ControlSpec{"CmdOpen10", ControlKind::Button, "Open 10", 10, 3720, 975, 360, 12},
    ControlSpec{"CmdOpen11", ControlKind::Button, "Open 11", 10, 4080, 975, 360, 13},
    ControlSpec{"CmdOpenSupport",
                ControlKind::Button,
                "Support",
                10,
                4440,
                975,
                360,
                10,
                false,
                {},
                "Manuals, Backup, Compact, Edit Filespecs"},
    ControlSpec{"CmdClose", ControlKind::Button, "Exit", 10, 4800, 975, 360, 11},
};

inline constexpr FormLayout kFrmCorvaneLayout{
    "frmCorvane", "Corvane", 13245, 630, 1005, 5175, false, {}, kFrmCorvaneControls,
};

}  // namespace corvane
