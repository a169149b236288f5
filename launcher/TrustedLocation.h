// Access runs the code of a database only from a trusted location; the local copies folder is made one for the
// current user, so that a local copy opens without Access's security bar.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace corvane {

// The Office version ("16.0") whose registry holds the trusted locations of the Access at `accessPath`, read from
// the folder it lies in; nullopt for Access 2000 to 2003, which had none, and for folders that tell no version.
std::optional<std::string> OfficeVersionOf(std::string_view accessPath);

// Makes `folder` (full, expanded) a trusted location, subfolders included, of the Access at `accessPath`, for the
// current user. Written only where the location is missing or names another folder; left alone where the office's
// policy disables trusted locations and where the folder is on the network, which only an administrator may trust.
// A refused write is no failure: Access then shows its bar, as it would without.
void TrustLocalCopies(Platform& platform, std::string_view accessPath, const std::string& folder);

}  // namespace corvane
