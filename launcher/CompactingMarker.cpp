// The compaction marker: its place, its text, whether another process holds it, and holding it.
#include "launcher/CompactingMarker.h"

#include <cstdio>

#include "platform/Failure.h"

namespace corvane {

namespace {

// A marker's text is one short line; anything longer is not one.
constexpr std::size_t kMarkerReadLimit = 1024;

std::string Field(std::string_view& text) {
  const std::size_t tab = text.find('\t');
  const std::string field(text.substr(0, tab));
  text.remove_prefix(tab == std::string_view::npos ? text.size() : tab + 1);
  return field;
}

}  // namespace

std::string CompactingMarkerPath(const Selection& app) {
  return BackupFolderOf(app.AppPath) + "\\Compacting_" + app.AppName;
}

std::string CompactingMarkerText(const Compactor& compactor, const Date& now) {
  char when[32];
  std::snprintf(when, sizeof when, "%04d-%02d-%02d %02d:%02d", now.year, now.month, now.day, now.hour, now.minute);
  return compactor.computer + "\t" + compactor.user + "\t" + when;
}

Compactor ReadCompactingMarker(std::string_view text) {
  Compactor compactor;
  compactor.computer = Field(text);
  compactor.user = Field(text);
  const std::string when = Field(text);
  // "YYYY-MM-DD HH:MM": the time is after the blank.
  compactor.since = when.substr(when.find(' ') == std::string::npos ? 0 : when.find(' ') + 1);
  return compactor;
}

std::string BeingCompactedMessage(const std::string& fileName, const Compactor& compactor) {
  return fileName + " is being compacted by " + compactor.user + " on " + compactor.computer + " since " +
         compactor.since + ". Please try again in a few minutes.";
}

std::optional<Compactor> WhoIsCompacting(Platform& platform, const Selection& app) {
  const std::string marker = CompactingMarkerPath(app);
  if (!platform.Exists(marker, Lookup::NormalFiles)) {
    return std::nullopt;
  }
  if (!platform.HeldAgainstDeletion(marker)) {
    try {
      platform.DeleteFile(marker);
    } catch (const PlatformError&) {
      // Left for the next look; a marker no one holds stops nothing either way.
    }
    return std::nullopt;
  }
  try {
    return ReadCompactingMarker(platform.ReadBytes(marker, kMarkerReadLimit));
  } catch (const PlatformError&) {
    return Compactor{};  // held, so in use, even where its text cannot be read
  }
}

CompactingMarker::CompactingMarker(Platform& platform, const Selection& app)
    : platform_(platform), path_(CompactingMarkerPath(app)) {
  if (const auto compactor = WhoIsCompacting(platform, app)) {
    throw ProgramError(BeingCompactedMessage(app.AppName, *compactor));
  }
  const std::string folder = BackupFolderOf(app.AppPath);
  if (!platform.Exists(folder + "\\", Lookup::Directories)) {
    platform.CreateFolder(folder);
  }
  const Compactor self{platform.EnvironmentVariable("COMPUTERNAME").value_or(""),
                       platform.EnvironmentVariable("USERNAME").value_or(""), ""};
  held_ = platform.CreateHeldFile(path_, CompactingMarkerText(self, platform.Now()));
}

CompactingMarker::~CompactingMarker() {
  held_.reset();
  try {
    platform_.DeleteFile(path_);
  } catch (const std::exception&) {
    // No process holds it now: whoever looks next takes it for stale and deletes it.
  }
}

}  // namespace corvane
