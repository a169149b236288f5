// The support window: manuals, web support, maintenance buttons and one check box per application slot.
#pragma once

#include <array>

#include "platform/Layout.h"

namespace corvane {

using enum ControlKind;

inline constexpr Rgb kSupportBackground{192, 192, 255};

// Check1 to Check10 sit on the window over the frame; Check11 is the frame's own child.
// clang-format off
inline constexpr std::array kFrmSupport11Controls{
    ControlSpec{.name = "CmdWebSupport", .kind = Button, .text = "Web Support", .rect = {240, 240, 1215, 480},
                .tab = 0},
    ControlSpec{.name = "CmdOpenManual1", .kind = Button, .text = "Manual 1", .rect = {240, 720, 1215, 480}, .tab = 1},
    ControlSpec{.name = "CmdOpenManual2", .kind = Button, .text = "Manual 2", .rect = {240, 1200, 1215, 480}, .tab = 2},
    ControlSpec{.name = "CmdEditPaths", .kind = Button, .text = "Edit App Paths", .rect = {240, 3840, 1215, 975},
                .tab = 3},
    ControlSpec{.name = "CmdCompact", .kind = Button, .text = "Compact Selected Apps", .rect = {240, 2160, 1215, 720},
                .tab = 15},
    ControlSpec{.name = "CmdBackup", .kind = Button, .text = "Backup Selected Apps", .rect = {240, 2880, 1215, 720},
                .tab = 16},
    ControlSpec{.name = "CmdClose", .kind = Button, .text = "Close", .rect = {1920, 5160, 1335, 495}, .tab = 17},
    ControlSpec{.name = "CmdDeletePathFiles", .kind = Button, .text = "Delete Path Files",
                .rect = {240, 5160, 1215, 480}, .tab = 18, .hidden = true},
    ControlSpec{.name = "CmdRestore", .kind = Button, .text = "Restore...", .rect = {240, 5760, 1215, 480},
                .tab = 20},
    ControlSpec{.name = "Frame1", .kind = Frame, .text = "Select Apps", .rect = {1800, 240, 1695, 4575}, .tab = 19},
    ControlSpec{.name = "Check1", .kind = CheckBox, .text = "Check1", .rect = {1920, 600, 1215, 255}, .tab = 4},
    ControlSpec{.name = "Check2", .kind = CheckBox, .text = "Check2", .rect = {1920, 960, 1335, 255}, .tab = 5},
    ControlSpec{.name = "Check3", .kind = CheckBox, .text = "Check3", .rect = {1920, 1320, 1335, 255}, .tab = 6},
    ControlSpec{.name = "Check4", .kind = CheckBox, .text = "Check4", .rect = {1920, 1680, 1335, 255}, .tab = 7},
    ControlSpec{.name = "Check5", .kind = CheckBox, .text = "Check5", .rect = {1920, 2040, 1335, 255}, .tab = 8},
    ControlSpec{.name = "Check6", .kind = CheckBox, .text = "Check6", .rect = {1920, 2400, 1335, 255}, .tab = 9},
    ControlSpec{.name = "Check7", .kind = CheckBox, .text = "Check7", .rect = {1920, 2760, 1335, 255}, .tab = 10},
    ControlSpec{.name = "Check8", .kind = CheckBox, .text = "Check8", .rect = {1920, 3120, 1335, 255}, .tab = 11},
    ControlSpec{.name = "Check9", .kind = CheckBox, .text = "Check9", .rect = {1920, 3480, 1335, 255}, .tab = 12},
    ControlSpec{.name = "Check10", .kind = CheckBox, .text = "Check10", .rect = {1920, 3840, 1335, 255}, .tab = 13},
    ControlSpec{.name = "Check11", .kind = CheckBox, .text = "Check11", .rect = {120, 3960, 1335, 255}, .tab = 14,
                .frame = "Frame1"},
    // Beside each box, the age of the slot's newest backup; the window is wider by this column.
    ControlSpec{.name = "LabelLastBackup", .kind = Label, .text = "Last backup", .rect = {3600, 360, 1335, 255},
                .colour = kSupportBackground},
    ControlSpec{.name = "LastBackup1", .kind = Label, .rect = {3600, 600, 1335, 255}, .colour = kSupportBackground},
    ControlSpec{.name = "LastBackup2", .kind = Label, .rect = {3600, 960, 1335, 255}, .colour = kSupportBackground},
    ControlSpec{.name = "LastBackup3", .kind = Label, .rect = {3600, 1320, 1335, 255}, .colour = kSupportBackground},
    ControlSpec{.name = "LastBackup4", .kind = Label, .rect = {3600, 1680, 1335, 255}, .colour = kSupportBackground},
    ControlSpec{.name = "LastBackup5", .kind = Label, .rect = {3600, 2040, 1335, 255}, .colour = kSupportBackground},
    ControlSpec{.name = "LastBackup6", .kind = Label, .rect = {3600, 2400, 1335, 255}, .colour = kSupportBackground},
    ControlSpec{.name = "LastBackup7", .kind = Label, .rect = {3600, 2760, 1335, 255}, .colour = kSupportBackground},
    ControlSpec{.name = "LastBackup8", .kind = Label, .rect = {3600, 3120, 1335, 255}, .colour = kSupportBackground},
    ControlSpec{.name = "LastBackup9", .kind = Label, .rect = {3600, 3480, 1335, 255}, .colour = kSupportBackground},
    ControlSpec{.name = "LastBackup10", .kind = Label, .rect = {3600, 3840, 1335, 255}, .colour = kSupportBackground},
    ControlSpec{.name = "LastBackup11", .kind = Label, .rect = {3600, 4200, 1335, 255}, .colour = kSupportBackground},
};
// clang-format on

inline constexpr FormLayout kFrmSupport11Layout{
    .name = "frmSupport11",
    .caption = "Support11",
    .client = {9435, 630, 5040, 6480},
    .background = kSupportBackground,
    .controls = kFrmSupport11Controls,
};

}  // namespace corvane
