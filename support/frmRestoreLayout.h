// The restore window: one slot's copies in a list, newest first, and the two buttons that act on the one selected.
#pragma once

#include <array>

#include "platform/Layout.h"

namespace corvane {

// clang-format off
inline constexpr std::array kFrmRestoreControls{
    ControlSpec{.name = "ListCopies", .kind = ControlKind::ListBox, .rect = {120, 120, 5880, 2520}, .tab = 0},
    ControlSpec{.name = "CmdRestore", .kind = ControlKind::Button, .text = "Restore", .rect = {3360, 2760, 1215, 420},
                .tab = 1, .pressedByEnter = true},
    ControlSpec{.name = "CmdCancel", .kind = ControlKind::Button, .text = "Cancel", .rect = {4785, 2760, 1215, 420},
                .tab = 2, .pressedByEscape = true},
};
// clang-format on

inline constexpr FormLayout kFrmRestoreLayout{
    .name = "frmRestore",
    .caption = "Restore",
    .client = {3000, 1230, 6120, 3330},
    .background = Rgb{192, 192, 255},
    .controls = kFrmRestoreControls,
};

}  // namespace corvane
