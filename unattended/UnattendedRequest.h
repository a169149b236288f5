// The command line of an unattended run: which maintenance, on which slots, with which limit.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

inline constexpr std::string_view kUsage =
    "Usage: Corvane.exe /backup SLOTS [/keep N] | Corvane.exe /compact SLOTS [/wait MINUTES]"
    " (SLOTS: all, or numbers 1 to 11)";

enum class Maintenance { Backup, Compact };

struct UnattendedRequest {
  Maintenance action;
  bool allSlots;
  std::vector<int> slots;  // 0-based, ascending, no repeats; empty when allSlots
  int keep;                // copies to keep after a backup; 0 keeps them all
  int waitMinutes;         // how long a compaction may take before the run stops
};

// Either "/backup SLOTS [/keep N]" or "/compact SLOTS [/wait MINUTES]", options in any case and starting with '/'
// or '-'; nullopt for anything else. The arguments exclude the program's name.
std::optional<UnattendedRequest> ParseUnattended(std::span<const std::string> arguments);

}  // namespace corvane
