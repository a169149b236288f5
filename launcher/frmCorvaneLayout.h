// The launcher column: title box, eleven application buttons, Support and Exit.
#pragma once

#include <array>

#include "platform/Layout.h"

namespace corvane {

using enum ControlKind;

// Tab indexes are as designed, not top to bottom: CmdOpen9 comes before CmdOpen6, CmdOpen10 and 11 last.
// clang-format off
inline constexpr std::array kFrmCorvaneControls{
    ControlSpec{.name = "tTitle", .kind = TextBox, .text = "Name", .rect = {10, 0, 975, 360}, .tab = 0,
                .colour = Rgb{0, 255, 255}, .centred = true},
    ControlSpec{.name = "CmdOpen1", .kind = Button, .text = "Open 1", .rect = {10, 480, 975, 360}, .tab = 1},
    ControlSpec{.name = "CmdOpen2", .kind = Button, .text = "Open 2", .rect = {10, 840, 975, 360}, .tab = 2},
    ControlSpec{.name = "CmdOpen3", .kind = Button, .text = "Open 3", .rect = {10, 1200, 975, 360}, .tab = 3},
    ControlSpec{.name = "CmdOpen4", .kind = Button, .text = "Open 4", .rect = {10, 1560, 975, 360}, .tab = 4},
    ControlSpec{.name = "CmdOpen5", .kind = Button, .text = "Open 5", .rect = {10, 1920, 975, 360}, .tab = 5},
    ControlSpec{.name = "CmdOpen6", .kind = Button, .text = "Open 6", .rect = {10, 2280, 975, 360}, .tab = 7},
    ControlSpec{.name = "CmdOpen7", .kind = Button, .text = "Open 7", .rect = {10, 2640, 975, 360}, .tab = 8},
    ControlSpec{.name = "CmdOpen8", .kind = Button, .text = "Open 8", .rect = {10, 3000, 975, 360}, .tab = 9},
    ControlSpec{.name = "CmdOpen9", .kind = Button, .text = "Open 9", .rect = {10, 3360, 975, 360}, .tab = 6},
    ControlSpec{.name = "CmdOpen10", .kind = Button, .text = "Open 10", .rect = {10, 3720, 975, 360}, .tab = 12},
    ControlSpec{.name = "CmdOpen11", .kind = Button, .text = "Open 11", .rect = {10, 4080, 975, 360}, .tab = 13},
    ControlSpec{.name = "CmdOpenSupport", .kind = Button, .text = "Support", .rect = {10, 4440, 975, 360}, .tab = 10,
                .tooltip = "Manuals, Backup, Compact, Edit Filespecs"},
    ControlSpec{.name = "CmdClose", .kind = Button, .text = "Exit", .rect = {10, 4800, 975, 360}, .tab = 11},
};
// clang-format on

inline constexpr FormLayout kFrmCorvaneLayout{
    .name = "frmCorvane",
    .caption = "Corvane",
    .client = {13245, 630, 1005, 5175},
    .controls = kFrmCorvaneControls,
};

}  // namespace corvane
