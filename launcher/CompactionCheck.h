// The check of a database after a compaction, and putting it back from the copy taken before: what every path that
// finds a compaction's trace needs, the launcher's too.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Platform.h"
#include "settings/SelectApp.h"

namespace corvane {

// ArcBackup\PreCompact_<file name>: the database as it was before the last compaction, which Corvane never deletes.
std::string SafetyCopyPath(const Selection& app);
// ArcBackup\FailedCompact_<file name>: what a failed compaction left under the database's name.
std::string FailedCompactPath(const Selection& app);

// Bytes 4 to 18 of a database where they name an Access file ("Standard Jet DB", "Standard ACE DB"); else empty.
std::string AccessSignature(Platform& platform, const std::string& database);
// Whether a file is an Access database in whole: one of the two signatures, in whole pages.
bool IsWholeAccessFile(Platform& platform, const std::string& path);
// Why the database is not a database after a compaction; nothing when it is. `signatureBefore` is AccessSignature
// before compaction: a file that had none is checked only for being there and not empty.
std::optional<std::string> FaultAfterCompaction(Platform& platform, const std::string& database,
                                                std::string_view signatureBefore);

// " The copy taken before compaction is kept at <path>."
std::string KeptAt(const std::string& safetyCopy);
// Moves what is under the database's name aside to FailedCompact_, for whoever wants to look at it, then copies the
// safety copy back, each file under a scratch name until it is whole. The safety copy stays.
void RestoreFromSafetyCopy(Platform& platform, const Selection& app);

}  // namespace corvane
