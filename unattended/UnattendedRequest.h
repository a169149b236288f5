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
    " | Corvane.exe /restore SLOT COPY | Corvane.exe /register"
    " (SLOTS: all, or numbers 1 to 11; COPY: a file name in the slot's ArcBackup)";

enum class Maintenance { Backup, Compact, Restore, Register };

struct UnattendedRequest {
  Maintenance action;
  bool allSlots;
  std::vector<int> slots;  // 0-based, ascending, no repeats; empty when allSlots
  int keep;                // copies to keep after a backup; 0 keeps them all
  int waitMinutes;         // how long a compaction may take before the run stops
  std::string copy;        // the file name in the slot's backup folder that a restore puts back
};

// "/backup SLOTS [/keep N]", "/compact SLOTS [/wait MINUTES]", "/restore SLOT COPY" (one slot, and a bare file
// name) or "/register" alone, options in any case and starting with '/' or '-'; nullopt for anything else. The
// arguments exclude the program's name.
std::optional<UnattendedRequest> ParseUnattended(std::span<const std::string> arguments);

}  // namespace corvane
