// Where the Office and reader releases since 2013 install, and the names under which Windows registers them: looked
// at only when no path of the fixed lists holds the program, so that those lists keep their word.
#pragma once

#include <array>
#include <string_view>

namespace corvane {

// Newest release first; within a release click-to-run before the installer, and 64-bit before 32-bit.
inline constexpr std::array<std::string_view, 8> kAccessCurrentPlaces{
    "C:\\Program Files\\Microsoft Office\\root\\Office16\\MSACCESS.EXE",
    "C:\\Program Files (x86)\\Microsoft Office\\root\\Office16\\MSACCESS.EXE",
    "C:\\Program Files\\Microsoft Office\\Office16\\MSACCESS.EXE",
    "C:\\Program Files (x86)\\Microsoft Office\\Office16\\MSACCESS.EXE",
    "C:\\Program Files\\Microsoft Office 15\\root\\office15\\MSACCESS.EXE",
    "C:\\Program Files (x86)\\Microsoft Office 15\\root\\office15\\MSACCESS.EXE",
    "C:\\Program Files\\Microsoft Office\\Office15\\MSACCESS.EXE",
    "C:\\Program Files (x86)\\Microsoft Office\\Office15\\MSACCESS.EXE",
};

inline constexpr std::array<std::string_view, 8> kWordProcessorCurrentPlaces{
    "C:\\Program Files\\Microsoft Office\\root\\Office16\\WINWORD.EXE",
    "C:\\Program Files (x86)\\Microsoft Office\\root\\Office16\\WINWORD.EXE",
    "C:\\Program Files\\Microsoft Office\\Office16\\WINWORD.EXE",
    "C:\\Program Files (x86)\\Microsoft Office\\Office16\\WINWORD.EXE",
    "C:\\Program Files\\Microsoft Office 15\\root\\office15\\WINWORD.EXE",
    "C:\\Program Files (x86)\\Microsoft Office 15\\root\\office15\\WINWORD.EXE",
    "C:\\Program Files\\Microsoft Office\\Office15\\WINWORD.EXE",
    "C:\\Program Files (x86)\\Microsoft Office\\Office15\\WINWORD.EXE",
};

inline constexpr std::array<std::string_view, 8> kPdfReaderCurrentPlaces{
    "C:\\Program Files\\Adobe\\Acrobat DC\\Acrobat\\Acrobat.exe",
    "C:\\Program Files (x86)\\Adobe\\Acrobat DC\\Acrobat\\Acrobat.exe",
    "C:\\Program Files\\Adobe\\Acrobat Reader DC\\Reader\\AcroRd32.exe",
    "C:\\Program Files (x86)\\Adobe\\Acrobat Reader DC\\Reader\\AcroRd32.exe",
    "C:\\Program Files\\Adobe\\Acrobat Reader 2020\\Reader\\AcroRd32.exe",
    "C:\\Program Files (x86)\\Adobe\\Acrobat Reader 2020\\Reader\\AcroRd32.exe",
    "C:\\Program Files\\Adobe\\Acrobat Reader 2017\\Reader\\AcroRd32.exe",
    "C:\\Program Files (x86)\\Adobe\\Acrobat Reader 2017\\Reader\\AcroRd32.exe",
};

// The programs' names under "App Paths", in the order they are asked for.
inline constexpr std::array<std::string_view, 1> kAccessRegistrations{"MSACCESS.EXE"};
inline constexpr std::array<std::string_view, 1> kWordProcessorRegistrations{"WINWORD.EXE"};
inline constexpr std::array<std::string_view, 2> kPdfReaderRegistrations{"AcroRd32.exe", "Acrobat.exe"};

}  // namespace corvane
