// The settings editor: for each slot a file name, a caption, a local copy and a folder box, then manuals, support
// page, local copies folder and title.
#pragma once

#include <array>

#include "platform/Layout.h"

namespace corvane {

inline constexpr Rgb kRose{255, 192, 192};
inline constexpr Rgb kCream{255, 255, 192};
inline constexpr Rgb kMint{192, 255, 192};
inline constexpr Rgb kLilac{255, 192, 255};
inline constexpr Rgb kEditorCyan{0, 255, 255};

inline constexpr std::string_view kAppNameTip = "App Name Including file extension";
inline constexpr std::string_view kPathTip = "Path To App Location.  Do Not Include Filename";

using enum ControlKind;

// Row k: file name box tab 4k, caption box 4k + 1, local copy box 4k + 2, folder box 4k + 3; colours repeat every
// four rows.
// clang-format off
inline constexpr std::array kFrmPaths11Controls{
    ControlSpec{.name = "Label1", .kind = Label, .text = "App1", .rect = {10, 765, 855, 285}},
    ControlSpec{.name = "cAppName0", .kind = TextBox, .text = "Text1", .rect = {1080, 760, 2535, 285},
                .tab = 0, .colour = kRose, .tooltip = kAppNameTip},
    ControlSpec{.name = "cAlias0", .kind = TextBox, .text = "Alias0", .rect = {3840, 760, 1815, 285},
                .tab = 1, .colour = kRose, .tooltip = "Button Caption"},
    ControlSpec{.name = "CheckLocal0", .kind = CheckBox, .rect = {7640, 760, 300, 285}, .tab = 2},
    ControlSpec{.name = "cHLPath0", .kind = TextBox, .text = "", .rect = {10, 1080, 7000, 285},
                .tab = 3, .colour = kRose, .tooltip = kPathTip},
    ControlSpec{.name = "Label2", .kind = Label, .text = "App2", .rect = {15, 1440, 855, 285}},
    ControlSpec{.name = "cAppName1", .kind = TextBox, .text = "Text1", .rect = {1080, 1440, 2535, 285},
                .tab = 4, .colour = kCream, .tooltip = kAppNameTip},
    ControlSpec{.name = "cAlias1", .kind = TextBox, .text = "Alias1", .rect = {3840, 1440, 1815, 285},
                .tab = 5, .colour = kCream},
    ControlSpec{.name = "CheckLocal1", .kind = CheckBox, .rect = {7640, 1440, 300, 285}, .tab = 6},
    ControlSpec{.name = "cHLPath1", .kind = TextBox, .text = "", .rect = {10, 1755, 7000, 285},
                .tab = 7, .colour = kCream},
    ControlSpec{.name = "Label3", .kind = Label, .text = "App3", .rect = {15, 2115, 855, 285}},
    ControlSpec{.name = "cAppName2", .kind = TextBox, .text = "Text1", .rect = {1080, 2115, 2535, 285},
                .tab = 8, .colour = kMint},
    ControlSpec{.name = "cAlias2", .kind = TextBox, .text = "Alias2", .rect = {3840, 2115, 1815, 285},
                .tab = 9, .colour = kMint},
    ControlSpec{.name = "CheckLocal2", .kind = CheckBox, .rect = {7640, 2115, 300, 285}, .tab = 10},
    ControlSpec{.name = "cHLPath2", .kind = TextBox, .text = "", .rect = {10, 2445, 7000, 285},
                .tab = 11, .colour = kMint},
    ControlSpec{.name = "Label4", .kind = Label, .text = "App4", .rect = {15, 2805, 855, 285}},
    ControlSpec{.name = "cAppName3", .kind = TextBox, .text = "Text1", .rect = {1080, 2805, 2535, 285},
                .tab = 12, .colour = kLilac},
    ControlSpec{.name = "cAlias3", .kind = TextBox, .text = "Alias3", .rect = {3840, 2805, 1815, 285},
                .tab = 13, .colour = kLilac},
    ControlSpec{.name = "CheckLocal3", .kind = CheckBox, .rect = {7640, 2805, 300, 285}, .tab = 14},
    ControlSpec{.name = "cHLPath3", .kind = TextBox, .text = "", .rect = {10, 3120, 7000, 285},
                .tab = 15, .colour = kLilac},
    ControlSpec{.name = "Label5", .kind = Label, .text = "App5", .rect = {15, 3480, 855, 285}},
    ControlSpec{.name = "cAppName4", .kind = TextBox, .text = "Text1", .rect = {1080, 3480, 2535, 285},
                .tab = 16, .colour = kRose, .tooltip = kAppNameTip},
    ControlSpec{.name = "cAlias4", .kind = TextBox, .text = "Alias4", .rect = {3840, 3480, 1815, 285},
                .tab = 17, .colour = kRose},
    ControlSpec{.name = "CheckLocal4", .kind = CheckBox, .rect = {7640, 3480, 300, 285}, .tab = 18},
    ControlSpec{.name = "cHLPath4", .kind = TextBox, .text = "", .rect = {10, 3795, 7000, 285},
                .tab = 19, .colour = kRose, .tooltip = kPathTip},
    ControlSpec{.name = "Label6", .kind = Label, .text = "App6", .rect = {15, 4155, 855, 285}},
    ControlSpec{.name = "cAppName5", .kind = TextBox, .text = "Text1", .rect = {1080, 4155, 2535, 285},
                .tab = 20, .colour = kCream},
    ControlSpec{.name = "cAlias5", .kind = TextBox, .text = "Alias5", .rect = {3840, 4155, 1815, 285},
                .tab = 21, .colour = kCream},
    ControlSpec{.name = "CheckLocal5", .kind = CheckBox, .rect = {7640, 4155, 300, 285}, .tab = 22},
    ControlSpec{.name = "cHLPath5", .kind = TextBox, .text = "", .rect = {10, 4485, 7000, 285},
                .tab = 23, .colour = kCream},
    ControlSpec{.name = "Label7", .kind = Label, .text = "App7", .rect = {15, 4845, 855, 285}},
    ControlSpec{.name = "cAppName6", .kind = TextBox, .text = "Text1", .rect = {1080, 4845, 2535, 285},
                .tab = 24, .colour = kMint},
    ControlSpec{.name = "cAlias6", .kind = TextBox, .text = "Alias6", .rect = {3840, 4845, 1815, 285},
                .tab = 25, .colour = kMint},
    ControlSpec{.name = "CheckLocal6", .kind = CheckBox, .rect = {7640, 4845, 300, 285}, .tab = 26},
    ControlSpec{.name = "cHLPath6", .kind = TextBox, .text = "", .rect = {0, 5160, 7000, 285},
                .tab = 27, .colour = kMint},
    ControlSpec{.name = "Label8", .kind = Label, .text = "App8", .rect = {15, 5520, 855, 285}},
    ControlSpec{.name = "cAppName7", .kind = TextBox, .text = "Text1", .rect = {1080, 5520, 2535, 285},
                .tab = 28, .colour = kLilac},
    ControlSpec{.name = "cAlias7", .kind = TextBox, .text = "Alias7", .rect = {3840, 5520, 1815, 285},
                .tab = 29, .colour = kLilac},
    ControlSpec{.name = "CheckLocal7", .kind = CheckBox, .rect = {7640, 5520, 300, 285}, .tab = 30},
    ControlSpec{.name = "cHLPath7", .kind = TextBox, .text = "", .rect = {15, 5835, 7000, 285},
                .tab = 31, .colour = kLilac},
    ControlSpec{.name = "Label9", .kind = Label, .text = "App9", .rect = {15, 6195, 855, 285}},
    ControlSpec{.name = "cAppName8", .kind = TextBox, .text = "Text1", .rect = {1080, 6195, 2535, 285},
                .tab = 32, .colour = kRose, .tooltip = kAppNameTip},
    ControlSpec{.name = "cAlias8", .kind = TextBox, .text = "Alias8", .rect = {3840, 6195, 1815, 285},
                .tab = 33, .colour = kRose},
    ControlSpec{.name = "CheckLocal8", .kind = CheckBox, .rect = {7640, 6195, 300, 285}, .tab = 34},
    ControlSpec{.name = "cHLPath8", .kind = TextBox, .text = "", .rect = {10, 6525, 7000, 285},
                .tab = 35, .colour = kRose, .tooltip = kPathTip},
    ControlSpec{.name = "Label10", .kind = Label, .text = "App10", .rect = {0, 6840, 855, 285}},
    ControlSpec{.name = "cAppName9", .kind = TextBox, .text = "Text1", .rect = {1070, 6840, 2535, 285},
                .tab = 36, .colour = kCream},
    ControlSpec{.name = "cAlias9", .kind = TextBox, .text = "Alias9", .rect = {3840, 6840, 1815, 285},
                .tab = 37, .colour = kCream},
    ControlSpec{.name = "CheckLocal9", .kind = CheckBox, .rect = {7640, 6840, 300, 285}, .tab = 38},
    ControlSpec{.name = "cHLPath9", .kind = TextBox, .text = "", .rect = {5, 7155, 7000, 285},
                .tab = 39, .colour = kCream},
    ControlSpec{.name = "Label11", .kind = Label, .text = "App11", .rect = {0, 7515, 855, 285}},
    ControlSpec{.name = "cAppName10", .kind = TextBox, .text = "Text1", .rect = {1080, 7515, 2535, 285},
                .tab = 40, .colour = kMint, .tooltip = kAppNameTip},
    ControlSpec{.name = "cAlias10", .kind = TextBox, .text = "Alias10", .rect = {3840, 7515, 1815, 285},
                .tab = 41, .colour = kMint},
    ControlSpec{.name = "CheckLocal10", .kind = CheckBox, .rect = {7640, 7515, 300, 285}, .tab = 42},
    ControlSpec{.name = "cHLPath10", .kind = TextBox, .text = "", .rect = {0, 7845, 7000, 285},
                .tab = 43, .colour = kMint, .tooltip = kPathTip},
    ControlSpec{.name = "cTitle", .kind = TextBox, .text = "Text1", .rect = {0, 45, 975, 285},
                .tab = 49, .colour = kEditorCyan, .tooltip = "Edit Toolbar Name", .centred = true},
    ControlSpec{.name = "pTitle", .kind = TextBox, .text = "Double Click To Copy App1 Path To All\r\n",
                .rect = {1320, 45, 4365, 285}, .tab = 50, .colour = kEditorCyan,
                .tooltip = "Double Click Here To Copy App1 Path To All", .centred = true},
    ControlSpec{.name = "CmdBrowse", .kind = Button, .text = "Browse", .rect = {5880, 120, 1095, 360}, .tab = 52},
    ControlSpec{.name = "CmdSaveClose", .kind = Button, .text = "Close", .rect = {5880, 600, 1095, 375}, .tab = 53},
    ControlSpec{.name = "Label12", .kind = Label, .text = "File Name", .rect = {1800, 450, 975, 255}},
    ControlSpec{.name = "Label15", .kind = Label, .text = "Button Name", .rect = {4080, 450, 1335, 255}},
    ControlSpec{.name = "Label13", .kind = Label, .text = "Manuals", .rect = {15, 8205, 855, 285}},
    ControlSpec{.name = "cAppName11", .kind = TextBox, .text = "Text1", .rect = {1080, 8205, 2535, 285},
                .tab = 44, .colour = kLilac, .tooltip = "File Name Including file extension"},
    ControlSpec{.name = "cAppName12", .kind = TextBox, .text = "Text1", .rect = {3840, 8205, 2535, 285},
                .tab = 45, .colour = kLilac},
    ControlSpec{.name = "cHLPath11", .kind = TextBox, .text = "Text1", .rect = {10, 8520, 7000, 285},
                .tab = 46, .colour = kLilac},
    ControlSpec{.name = "Label14", .kind = Label, .text = "Web Support Page", .rect = {15, 8880, 1815, 285}},
    ControlSpec{.name = "cHLPath12", .kind = TextBox, .text = "Text1", .rect = {10, 9195, 7000, 285},
                .tab = 47, .colour = kCream},
    ControlSpec{.name = "Label16", .kind = Label, .text = "Local copy", .rect = {7200, 450, 1095, 255}},
    ControlSpec{.name = "Label17", .kind = Label, .text = "Local copies folder", .rect = {15, 9555, 1815, 285}},
    ControlSpec{.name = "cLocalPath", .kind = TextBox, .text = "Text1", .rect = {10, 9870, 7000, 285},
                .tab = 48, .colour = kMint, .tooltip = "Folder Of This PC's Own Copies, Such As %LOCALAPPDATA%\\Corvane"},
};
// clang-format on

inline constexpr FormLayout kFrmPaths11Layout{
    .name = "frmPaths11",
    .caption = "Paths11",
    .client = {6075, 630, 8400, 10260},
    .controls = kFrmPaths11Controls,
};

}  // namespace corvane
