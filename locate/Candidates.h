// The fixed installation paths probed for each outside program, in probe order.
#pragma once

#include <array>
#include <string_view>

namespace corvane {

// Which found candidate wins: the first in probe order, or the last.
enum class Priority { FirstProbed, LastProbed };

inline constexpr std::array<std::string_view, 13> kAccessCandidates{
    "C:\\Program Files\\Common Files\\Runtime\\MSAccess.exe",
    "C:\\Program Files\\Microsoft Office\\Art\\Office\\MSAccess.exe",
    "C:\\Program Files\\Microsoft Office\\Office\\MSAccess.exe",
    "C:\\Program Files\\Microsoft Office\\Office10\\MSAccess.exe",
    "C:\\Program Files\\Microsoft Office\\Office11\\MSAccess.exe",
    "C:\\Program Files\\Microsoft Office\\Office12\\MSAccess.exe",
    "C:\\Program Files\\Microsoft Office\\Office14\\MSAccess.exe",
    "C:\\Program Files (x86)\\Microsoft Office\\Art\\Office\\MSAccess.exe",
    "C:\\Program Files (x86)\\Microsoft Office\\Office\\MSAccess.exe",
    "C:\\Program Files (x86)\\Microsoft Office\\Office10\\MSAccess.exe",
    "C:\\Program Files (x86)\\Microsoft Office\\Office11\\MSAccess.exe",
    "C:\\Program Files (x86)\\Microsoft Office\\Office12\\MSAccess.exe",
    "C:\\Program Files (x86)\\Microsoft Office\\Office14\\MSAccess.exe",
};

// Word alone: WordPad comes only after every place Word may be (kWordPadPlaces). With LastProbed the newest wins.
inline constexpr std::array<std::string_view, 10> kWordProcessorCandidates{
    "C:\\Program Files\\Microsoft Office\\Office\\WinWord.exe",
    "C:\\Program Files\\Microsoft Office\\Office10\\WinWord.exe",
    "C:\\Program Files\\Microsoft Office\\Office11\\WinWord.exe",
    "C:\\Program Files\\Microsoft Office\\Office12\\WinWord.exe",
    "C:\\Program Files\\Microsoft Office\\Office14\\WinWord.exe",
    "C:\\Program Files (x86)\\Microsoft Office\\Office\\WinWord.exe",
    "C:\\Program Files (x86)\\Microsoft Office\\Office10\\WinWord.exe",
    "C:\\Program Files (x86)\\Microsoft Office\\Office11\\WinWord.exe",
    "C:\\Program Files (x86)\\Microsoft Office\\Office12\\WinWord.exe",
    "C:\\Program Files (x86)\\Microsoft Office\\Office14\\WinWord.exe",
};

// Where no Word is, at the classic places, today's or as registered: the first found wins.
inline constexpr std::array<std::string_view, 3> kWordPadPlaces{
    "C:\\Program Files\\Windows NT\\Accessories\\Wordpad.exe",
    "C:\\Program Files\\Accessories\\Wordpad.exe",
    "C:\\Program Files (x86)\\Windows NT\\Accessories\\Wordpad.exe",
};

inline constexpr std::array<std::string_view, 9> kPdfReaderCandidates{
    "C:\\Program Files\\Adobe\\Acrobat 4.0\\Reader\\AcroRd32.exe",
    "C:\\Program Files\\Adobe\\Acrobat 5.0\\Reader\\AcroRd32.exe",
    "C:\\Program Files\\Adobe\\Acrobat 6.0\\Reader\\AcroRd32.exe",
    "C:\\Program Files\\Adobe\\Acrobat 7.0\\Reader\\AcroRd32.exe",
    "C:\\Program Files\\Adobe\\Reader 8.0\\Reader\\AcroRd32.exe",
    "C:\\Program Files\\Adobe\\Reader 9.0\\Reader\\AcroRd32.exe",
    "C:\\Program Files\\Adobe\\Reader 10.0\\Reader\\AcroRd32.exe",
    "C:\\Program Files\\Adobe\\Reader 11.0\\Reader\\AcroRd32.exe",
    "C:\\Program Files\\Adobe\\Reader 12.0\\Reader\\AcroRd32.exe",
};

}  // namespace corvane
