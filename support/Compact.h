// Having Access compact a slot's database in place, with its size reported before and after.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Desktop.h"
#include "settings/ModuleState.h"

namespace corvane {

// Bytes in units of 1000, in the general number format: no grouping, no trailing zeros, up to 15 digits.
std::string KiloBytesText(std::uint64_t bytes, const std::string& decimalSeparator);

// "<access>" "<database>" /compact: the command line that has Access compact a database and end.
std::string CompactCommandLine(const std::string& access, const std::string& database);

// What the Compact button says, once a click, when no Access was found at start-up.
inline constexpr std::string_view kNoAccessToCompact =
    "Cannot find MSAccess. Close, then reopen Main Menu and try again.";

namespace Shortcuts11 {

void CompactApp(Desktop& platform, State& state, int slot);
void ReportFileSize(Desktop& platform, const std::string& path, const std::string& label, const std::string& fileName);
std::optional<std::uint32_t> StartAccessCompact(Desktop& platform, State& state, const std::string& path);

}  // namespace Shortcuts11
}  // namespace corvane
