// One line of an unattended run's log: when, what, on which file, and how it went.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace corvane {

// "YYYY-MM-DD HH:MM:SS", action, path, outcome and any extra fields, tab-separated, ending in CR LF.
std::string LogLine(const Date& time, std::string_view action, std::string_view path, std::string_view outcome,
                    std::span<const std::string> extra = {});

}  // namespace corvane
