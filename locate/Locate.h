// Finding Access, a word processor and a PDF reader once at start-up: at the fixed installation paths, else where
// today's releases install, else where Windows says they are.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "locate/OutsidePrograms.h"
#include "platform/Desktop.h"

namespace corvane {

// Whether a plain file is at `path`; a place the system will not look into holds none.
bool Probe(Platform& platform, std::string_view path);
// A path as Windows stores it in the registry: blanks around it and the quotes that enclose it dropped.
std::string UnquotedPath(std::string_view stored);
// Whether `path` names one place whatever the current drive and folder ("C:\x", "\\server\share\x") and holds no
// wildcard, so that a lookup of it can find no other file.
bool IsPlainFullPath(std::string_view path);
// The Access that LocateAccess chooses, without a word where there is none.
std::optional<std::string> FindAccess(Platform& platform);
namespace Shortcuts11 {

void LocateAccess(Desktop& platform, OutsidePrograms& programs);
void LocateWordProcessor(Desktop& platform, OutsidePrograms& programs);
void LocatePdfReader(Desktop& platform, OutsidePrograms& programs);

}  // namespace Shortcuts11
}  // namespace corvane
