// Built-in values for the fields of a settings file that does not exist.
#pragma once

#include <array>
#include <string_view>

#include "settings/LauncherSettings.h"

namespace corvane {

inline constexpr std::array<std::string_view, kSlotCount> kDefaultAppNames{
    "App1.mde", "App2.mde", "App3.mde", "App4.mde",  "App5.mde",  "App6.mde",
    "App7.mde", "App8.mde", "App9.mde", "App10.mde", "App11.mde",
};

inline constexpr std::array<std::string_view, kSlotCount> kDefaultAliases{
    "HLQ", "Billing", "Contracts", "Grades", "Messages", "Promos", "Purchase", "Quality", "Transcrip", "App10", "App11",
};

inline constexpr std::string_view kDefaultManualName1 = "Manual1.pdf";
inline constexpr std::string_view kDefaultManualName2 = "Manual2.pdf";
inline constexpr std::string_view kDefaultTitle = "NAME";
inline constexpr std::string_view kDefaultLocalCopiesFolder = "%LOCALAPPDATA%\\Corvane";
inline constexpr std::string_view kDefaultSupportUrl = "http://www.corvane.com/hlq/supporthlq.htm";

}  // namespace corvane
