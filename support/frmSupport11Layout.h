// The support window: manuals, web support, maintenance buttons and one check box per application slot.
#pragma once

#include <array>

#include "platform/Layout.h"

namespace corvane {

// Check1 to Check10 sit on the window over the frame; Check11 is the frame's own child.
inline constexpr std::array kFrmSupport11Controls{
    ControlSpec{"CmdWebSupport", ControlKind::Button, "Web Support", 240, 240, 1215, 480, 0},
    ControlSpec{"CmdOpenManual1", ControlKind::Button, "Manual 1", 240, 720, 1215, 480, 1},
    ControlSpec{"CmdOpenManual2", ControlKind::Button, "Manual 2", 240, 1200, 1215, 480, 2},
    ControlSpec{"CmdEditPaths", ControlKind::Button, "Edit App Paths", 240, 3840, 1215, 975, 3},
    ControlSpec{"CmdCompact", ControlKind::Button, "Compact Selected Apps", 240, 2160, 1215, 720, 15},
    ControlSpec{"CmdBackup", ControlKind::Button, "Backup Selected Apps", 240, 2880, 1215, 720, 16},
    ControlSpec{"CmdClose", ControlKind::Button, "Close", 1920, 5160, 1335, 495, 17},
    ControlSpec{"CmdDeletePathFiles",
                ControlKind::Button,
                "Delete Path Files",
                240,
                5160,
                1215,
                480,
                18,
                false,
                {},
                {},
                false,
                false},
    ControlSpec{"Frame1", ControlKind::Frame, "Select Apps", 1800, 240, 1695, 4575, 19},
    ControlSpec{"Check1", ControlKind::CheckBox, "Check1", 1920, 600, 1215, 255, 4},
    ControlSpec{"Check2", ControlKind::CheckBox, "Check2", 1920, 960, 1335, 255, 5},
    ControlSpec{"Check3", ControlKind::CheckBox, "Check3", 1920, 1320, 1335, 255, 6},
    ControlSpec{"Check4", ControlKind::CheckBox, "Check4", 1920, 1680, 1335, 255, 7},
    ControlSpec{"Check5", ControlKind::CheckBox, "Check5", 1920, 2040, 1335, 255, 8},
    ControlSpec{"Check6", ControlKind::CheckBox, "Check6", 1920, 2400, 1335, 255, 9},
    ControlSpec{"Check7", ControlKind::CheckBox, "Check7", 1920, 2760, 1335, 255, 10},
    ControlSpec{"Check8", ControlKind::CheckBox, "Check8", 1920, 3120, 1335, 255, 11},
    ControlSpec{"Check9", ControlKind::CheckBox, "Check9", 1920, 3480, 1335, 255, 12},
    ControlSpec{"Check10", ControlKind::CheckBox, "Check10", 1920, 3840, 1335, 255, 13},
    ControlSpec{
        "Check11", ControlKind::CheckBox, "Check11", 120, 3960, 1335, 255, 14, false, {}, {}, false, true, "Frame1"},
};

inline constexpr FormLayout kFrmSupport11Layout{
    "frmSupport11", "Support11", 9435, 630, 3630, 5760, true, Rgb{192, 192, 255}, kFrmSupport11Controls,
};

}  // namespace corvane
