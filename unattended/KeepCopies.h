// Which of a slot's old backups go once a new one is written and only N are kept.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"

namespace corvane {

// A file in the ArcBackup folder; the times only need to order the files.
using BackupCopy = FolderEntry;

// Whether two file names name the same file, as the file system compares them.
using SameName = std::function<bool(std::string_view, std::string_view)>;

// "Arc", one or more digits, then the slot's file name.
bool IsBackupOf(std::string_view fileName, std::string_view appName, const SameName& sameName);

// The backups of appName beyond the keep newest, counting the one just written, which always stays; 0 keeps all.
std::vector<std::string> CopiesToDelete(std::span<const BackupCopy> folder, std::string_view appName,
                                        std::string_view justWritten, int keep, const SameName& sameName);

}  // namespace corvane
