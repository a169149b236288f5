// The three locators: probe every candidate first, then choose by the list's priority.
#include "locate/Locate.h"

#include <optional>
#include <span>
#include <vector>

#include "locate/Candidates.h"
#include "platform/Failure.h"

namespace corvane::Shortcuts11 {
namespace {

// Every candidate is probed, hits or not, before anything is chosen.
std::optional<std::string> Locate(Platform& platform, std::span<const std::string_view> candidates, Priority priority) {
  std::vector<bool> found;
  for (std::string_view candidate : candidates) {
    found.push_back(Probe(platform, candidate));
  }
  for (std::size_t rank = 0; rank < candidates.size(); ++rank) {
    const std::size_t i = priority == Priority::FirstProbed ? rank : candidates.size() - 1 - rank;
    if (found[i]) {
      return std::string(candidates[i]);
    }
  }
  return std::nullopt;
}

// Sets the status to "exists" first; only a completed search that found nothing changes it again.
void LocateWithStatus(Platform& platform, std::span<const std::string_view> candidates, Priority priority,
                      std::string& path, std::string& status, std::string_view notFound) {
  RunGuarded(platform, [&] {
    status = kExists;
    if (auto chosen = Locate(platform, candidates, priority)) {
      path = *chosen;
    } else {
      status = notFound;
    }
  });
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

std::optional<std::string> FindAccess(Platform& platform) {
  return Locate(platform, kAccessCandidates, Priority::FirstProbed);
}

void LocateAccess(Platform& platform) {
  RunGuarded(platform, [&] {
    if (auto chosen = FindAccess(platform)) {
      AccessPath = *chosen;
    } else {
      ShowInfo(platform, "Can not find MSAccess.exe");
    }
  });
}

void LocateWordProcessor(Platform& platform) {
  LocateWithStatus(platform, kWordProcessorCandidates, Priority::LastProbed, WordProcessorPath, WordProcessorStatus,
                   "Can not find Word Processor");
}

void LocatePdfReader(Platform& platform) {
  LocateWithStatus(platform, kPdfReaderCandidates, Priority::FirstProbed, PdfReaderPath, PdfReaderStatus,
                   "Can not find Adobe Reader");
}

}  // namespace corvane::Shortcuts11
