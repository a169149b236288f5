// The settings editor: for each slot a file name, a caption and a folder box, then manuals, support page, title.
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

using CK = ControlKind;

// Row k: file name box tab 3k, caption box 3k + 1, folder box 3k + 2; colours repeat every four rows.
inline constexpr std::array kFrmPaths11Controls{
    ControlSpec{"Label1", CK::Label, "App1", 10, 765, 855, 285},
    ControlSpec{"cAppName0", CK::TextBox, "Text1", 1080, 760, 2535, 285, 0, true, kRose, kAppNameTip},
    ControlSpec{"cAlias0", CK::TextBox, "Alias0", 3840, 760, 1815, 285, 1, true, kRose, "Button Caption"},
    ControlSpec{"cHLPath0", CK::TextBox, "", 10, 1080, 7000, 285, 2, true, kRose, kPathTip},
    ControlSpec{"Label2", CK::Label, "App2", 15, 1440, 855, 285},
    ControlSpec{"cAppName1", CK::TextBox, "Text1", 1080, 1440, 2535, 285, 3, true, kCream, kAppNameTip},
    ControlSpec{"cAlias1", CK::TextBox, "Alias1", 3840, 1440, 1815, 285, 4, true, kCream},
    ControlSpec{"cHLPath1", CK::TextBox, "", 10, 1755, 7000, 285, 5, true, kCream},
    ControlSpec{"Label3", CK::Label, "App3", 15, 2115, 855, 285},
    ControlSpec{"cAppName2", CK::TextBox, "Text1", 1080, 2115, 2535, 285, 6, true, kMint},
    ControlSpec{"cAlias2", CK::TextBox, "Alias2", 3840, 2115, 1815, 285, 7, true, kMint},
    ControlSpec{"cHLPath2", CK::TextBox, "", 10, 2445, 7000, 285, 8, true, kMint},
    ControlSpec{"Label4", CK::Label, "App4", 15, 2805, 855, 285},
    ControlSpec{"cAppName3", CK::TextBox, "Text1", 1080, 2805, 2535, 285, 9, true, kLilac},
    ControlSpec{"cAlias3", CK::TextBox, "Alias3", 3840, 2805, 1815, 285, 10, true, kLilac},
    ControlSpec{"cHLPath3", CK::TextBox, "", 10, 3120, 7000, 285, 11, true, kLilac},
    ControlSpec{"Label5", CK::Label, "App5", 15, 3480, 855, 285},
    ControlSpec{"cAppName4", CK::TextBox, "Text1", 1080, 3480, 2535, 285, 12, true, kRose, kAppNameTip},
    ControlSpec{"cAlias4", CK::TextBox, "Alias4", 3840, 3480, 1815, 285, 13, true, kRose},
    ControlSpec{"cHLPath4", CK::TextBox, "", 10, 3795, 7000, 285, 14, true, kRose, kPathTip},
    ControlSpec{"Label6", CK::Label, "App6", 15, 4155, 855, 285},
    ControlSpec{"cAppName5", CK::TextBox, "Text1", 1080, 4155, 2535, 285, 15, true, kCream},
    ControlSpec{"cAlias5", CK::TextBox, "Alias5", 3840, 4155, 1815, 285, 16, true, kCream},
    ControlSpec{"cHLPath5", CK::TextBox, "", 10, 4485, 7000, 285, 17, true, kCream},
    ControlSpec{"Label7", CK::Label, "App7", 15, 4845, 855, 285},
    ControlSpec{"cAppName6", CK::TextBox, "Text1", 1080, 4845, 2535, 285, 18, true, kMint},
    ControlSpec{"cAlias6", CK::TextBox, "Alias6", 3840, 4845, 1815, 285, 19, true, kMint},
    ControlSpec{"cHLPath6", CK::TextBox, "", 0, 5160, 7000, 285, 20, true, kMint},
    ControlSpec{"Label8", CK::Label, "App8", 15, 5520, 855, 285},
    ControlSpec{"cAppName7", CK::TextBox, "Text1", 1080, 5520, 2535, 285, 21, true, kLilac},
    ControlSpec{"cAlias7", CK::TextBox, "Alias7", 3840, 5520, 1815, 285, 22, true, kLilac},
    ControlSpec{"cHLPath7", CK::TextBox, "", 15, 5835, 7000, 285, 23, true, kLilac},
    ControlSpec{"Label9", CK::Label, "App9", 15, 6195, 855, 285},
    ControlSpec{"cAppName8", CK::TextBox, "Text1", 1080, 6195, 2535, 285, 24, true, kRose, kAppNameTip},
    ControlSpec{"cAlias8", CK::TextBox, "Alias8", 3840, 6195, 1815, 285, 25, true, kRose},
    ControlSpec{"cHLPath8", CK::TextBox, "", 10, 6525, 7000, 285, 26, true, kRose, kPathTip},
    ControlSpec{"Label10", CK::Label, "App10", 0, 6840, 855, 285},
    ControlSpec{"cAppName9", CK::TextBox, "Text1", 1070, 6840, 2535, 285, 27, true, kCream},
    ControlSpec{"cAlias9", CK::TextBox, "Alias9", 3840, 6840, 1815, 285, 28, true, kCream},
    ControlSpec{"cHLPath9", CK::TextBox, "", 5, 7155, 7000, 285, 29, true, kCream},
    ControlSpec{"Label11", CK::Label, "App11", 0, 7515, 855, 285},
    ControlSpec{"cAppName10", CK::TextBox, "Text1", 1080, 7515, 2535, 285, 30, true, kMint, kAppNameTip},
    ControlSpec{"cAlias10", CK::TextBox, "Alias10", 3840, 7515, 1815, 285, 31, true, kMint},
    ControlSpec{"cHLPath10", CK::TextBox, "", 0, 7845, 7000, 285, 32, true, kMint, kPathTip},
    ControlSpec{"cTitle", CK::TextBox, "Text1", 0, 45, 975, 285, 37, true, kEditorCyan, "Edit Toolbar Name", true},
    ControlSpec{"pTitle", CK::TextBox, "Double Click To Copy App1 Path To All\r\n", 1320, 45, 4365, 285, 38, true,
                kEditorCyan, "Double Click Here To Copy App1 Path To All", true},
    ControlSpec{"CmdBrowse", CK::Button, "Browse", 5880, 120, 1095, 360, 40},
    ControlSpec{"CmdSaveClose", CK::Button, "Close", 5880, 600, 1095, 375, 41},
    ControlSpec{"Label12", CK::Label, "File Name", 1800, 450, 975, 255},
    ControlSpec{"Label15", CK::Label, "Button Name", 4080, 450, 1335, 255},
    ControlSpec{"Label13", CK::Label, "Manuals", 15, 8205, 855, 285},
    ControlSpec{"cAppName11", CK::TextBox, "Text1", 1080, 8205, 2535, 285, 33, true, kLilac,
                "File Name Including file extension"},
    ControlSpec{"cAppName12", CK::TextBox, "Text1", 3840, 8205, 2535, 285, 34, true, kLilac},
    ControlSpec{"cHLPath11", CK::TextBox, "Text1", 10, 8520, 7000, 285, 35, true, kLilac},
    ControlSpec{"Label14", CK::Label, "Web Support Page", 15, 8880, 1815, 285},
    ControlSpec{"cHLPath12", CK::TextBox, "Text1", 10, 9195, 7000, 285, 36, true, kCream},
};

inline constexpr FormLayout kFrmPaths11Layout{
    "frmPaths11", "Paths11", 6075, 630, 7080, 9585, false, {}, kFrmPaths11Controls,
};

}  // namespace corvane
