// The three locators: probe every fixed candidate first and choose by the list's priority; only when the list holds
// none, take the first of today's install places, then the first registration whose file exists.
#include "locate/Locate.h"

#include <algorithm>
#include <optional>
#include <span>
#include <vector>

#include "locate/Candidates.h"
#include "locate/CurrentPlaces.h"
#include "platform/Environment.h"
#include "platform/Failure.h"

namespace corvane {
namespace {

struct ProgramSearch {
  std::span<const std::string_view> listed;      // the fixed list, in probe order
  Priority priority;                             // of the fixed list
  std::span<const std::string_view> current;     // today's install places, newest first
  std::span<const std::string_view> registered;  // names under "App Paths"
  std::span<const std::string_view> fallback;    // a lesser program, where none of the above is found
};

constexpr ProgramSearch kAccessSearch{
    .listed = kAccessCandidates,
    .priority = Priority::FirstProbed,
    .current = kAccessCurrentPlaces,
    .registered = kAccessRegistrations,
    .fallback = {},
};
constexpr ProgramSearch kWordProcessorSearch{
    .listed = kWordProcessorCandidates,
    .priority = Priority::LastProbed,
    .current = kWordProcessorCurrentPlaces,
    .registered = kWordProcessorRegistrations,
    .fallback = kWordPadPlaces,
};
constexpr ProgramSearch kPdfReaderSearch{
    .listed = kPdfReaderCandidates,
    .priority = Priority::FirstProbed,
    .current = kPdfReaderCurrentPlaces,
    .registered = kPdfReaderRegistrations,
    .fallback = {},
};

// Every candidate is probed, hits or not, before anything is chosen.
std::optional<std::string> ChooseListed(Platform& platform, const ProgramSearch& search) {
  const auto candidates = search.listed;
  std::vector<bool> found;
  for (std::string_view candidate : candidates) {
    found.push_back(Probe(platform, candidate));
  }
  for (std::size_t rank = 0; rank < candidates.size(); ++rank) {
    const std::size_t i = search.priority == Priority::FirstProbed ? rank : candidates.size() - 1 - rank;
    if (found[i]) {
      return std::string(candidates[i]);
    }
  }
  return std::nullopt;
}

bool IsProgramFile(std::string_view path) {
  constexpr std::string_view kExe = ".exe";
  return path.size() > kExe.size() &&
         std::equal(kExe.begin(), kExe.end(), path.end() - kExe.size(), [](char a, char b) { return a == (b | 0x20); });
}

// A registration counts only where it names a program (an .exe) that is there; one the system will not read counts as
// none.
std::optional<std::string> FindRegistered(Platform& platform, std::string_view programName) {
  try {
    for (const std::string& stored : platform.AppPathRegistrations(std::string(programName))) {
      const std::string path = ExpandEnvironment(platform, UnquotedPath(stored));
      if (IsPlainFullPath(path) && IsProgramFile(path) && Probe(platform, path)) {
        return path;
      }
    }
  } catch (const PlatformError&) {
  }
  return std::nullopt;
}

std::optional<std::string> FirstFound(Platform& platform, std::span<const std::string_view> places) {
  for (std::string_view place : places) {
    if (Probe(platform, place)) {
      return std::string(place);
    }
  }
  return std::nullopt;
}

std::optional<std::string> Find(Platform& platform, const ProgramSearch& search) {
  if (auto listed = ChooseListed(platform, search)) {
    return listed;
  }
  if (auto current = FirstFound(platform, search.current)) {
    return current;
  }
  for (std::string_view name : search.registered) {
    if (auto registered = FindRegistered(platform, name)) {
      return registered;
    }
  }
  return FirstFound(platform, search.fallback);
}

// Sets the status to "exists" first; only a completed search that found nothing changes it again.
void LocateWithStatus(Desktop& platform, const ProgramSearch& search, std::string& path, std::string& status,
                      std::string_view notFound) {
  GoOnAfterFailure(platform, [&] {
    status = kExists;
    if (auto chosen = Find(platform, search)) {
      path = *chosen;
    } else {
      status = notFound;
    }
  });
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

// A place the system will not look into (access denied, a file where a folder should be) holds no program: it must
// not cost the program found at another place.
bool Probe(Platform& platform, std::string_view path) {
  try {
    return platform.Exists(std::string(path), Lookup::NormalFiles);
  } catch (const PlatformError&) {
    return false;
  }
}

std::string UnquotedPath(std::string_view stored) {
  while (!stored.empty() && IsBlank(stored.front())) {
    stored.remove_prefix(1);
  }
  while (!stored.empty() && IsBlank(stored.back())) {
    stored.remove_suffix(1);
  }
  if (stored.starts_with('"')) {
    stored.remove_prefix(1);
    stored = stored.substr(0, stored.find('"'));
  }
  return std::string(stored);
}

bool IsPlainFullPath(std::string_view path) {
  const bool drive = path.size() > 3 && path[1] == ':' && path[2] == '\\' &&
                     ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
  const bool share = path.size() > 2 && path.starts_with("\\\\") && path[2] != '\\';
  return (drive || share) && path.find_first_of("*?") == std::string_view::npos;
}

std::optional<std::string> FindAccess(Platform& platform) {
  return Find(platform, kAccessSearch);
}

namespace Shortcuts11 {

void LocateAccess(Desktop& platform, OutsidePrograms& programs) {
  GoOnAfterFailure(platform, [&] {
    if (auto chosen = FindAccess(platform)) {
      programs.AccessPath = *chosen;
    } else {
      ShowInfo(platform, "Can not find MSAccess.exe");
    }
  });
}

void LocateWordProcessor(Desktop& platform, OutsidePrograms& programs) {
  LocateWithStatus(platform, kWordProcessorSearch, programs.WordProcessorPath, programs.WordProcessorStatus,
                   "Can not find Word Processor");
}

void LocatePdfReader(Desktop& platform, OutsidePrograms& programs) {
  LocateWithStatus(platform, kPdfReaderSearch, programs.PdfReaderPath, programs.PdfReaderStatus,
                   "Can not find Adobe Reader");
}

}  // namespace Shortcuts11
}  // namespace corvane
