// The compaction marker: its place, its text, whether another process holds it, and holding it.
#include "launcher/CompactingMarker.h"

#include <algorithm>

#include "platform/DateText.h"
#include "platform/Failure.h"
#include "settings/TextEncoding.h"

namespace corvane {

namespace {

// A marker's text is one short line; anything longer is not one.
constexpr std::size_t kMarkerReadLimit = 1024;
constexpr std::string_view kRestoreField = "\trestore";

std::string Field(std::string_view& text) {
  const std::size_t tab = text.find('\t');
  const std::string field(text.substr(0, tab));
  text.remove_prefix(tab == std::string_view::npos ? text.size() : tab + 1);
  return field;
}

// Only so much of a field is shown or logged, and never a control character, which could end a message early or
// break a log line: each becomes a blank.
constexpr std::size_t kFieldCharacters = 64;

std::string Shown(std::string field) {
  std::size_t characters = 0, end = 0;
  for (; end < field.size(); ++end) {
    const auto byte = static_cast<unsigned char>(field[end]);
    if ((byte & 0xC0) != 0x80 && characters++ == kFieldCharacters) {
      break;
    }
    if (byte < 0x20 || byte == 0x7F) {
      field[end] = ' ';
    }
  }
  field.resize(end);
  return field;
}

bool Names(std::string_view field) {
  return field.find_first_not_of(' ') != std::string_view::npos && IsUtf8(field);
}

// "YYYY-MM-DD HH:MM", digits where the marker writes digits.
bool IsMarkerTime(std::string_view when) {
  constexpr std::string_view kShape = "0000-00-00 00:00";
  return when.size() == kShape.size() && std::ranges::equal(when, kShape, [](char c, char shape) {
           return shape == '0' ? c >= '0' && c <= '9' : c == shape;
         });
}

}  // namespace

std::string CompactingMarkerPath(const Selection& app) {
  return BackupFolderOf(app.AppPath) + "\\Compacting_" + app.AppName;
}

std::string CompactingMarkerText(const std::string& computer, const std::string& user, const Date& now,
                                 bool restoring) {
  // To the minute: the marker tells people when, not a machine.
  return computer + "\t" + user + "\t" + DateTimeText(now).substr(0, 16) +
         (restoring ? std::string(kRestoreField) : "");
}

Compactor ReadCompactingMarker(std::string_view text) {
  const bool restoring = text.ends_with(kRestoreField);
  if (restoring) {
    text.remove_suffix(kRestoreField.size());
  }
  if (std::ranges::count(text, '\t') != 2) {
    return {};
  }
  Compactor compactor;
  compactor.restoring = restoring;
  compactor.computer = Shown(Field(text));
  compactor.user = Shown(Field(text));
  compactor.began = Field(text);
  compactor.known = Names(compactor.computer) && Names(compactor.user) && IsMarkerTime(compactor.began);
  return compactor.known ? compactor : Compactor{};
}

std::string WithoutFullStop(std::string description) {
  while (!description.empty() && (description.back() == '.' || description.back() == ' ')) {
    description.pop_back();
  }
  return description;
}

std::string ByWhom(const Compactor& compactor) {
  return compactor.known ? "by " + compactor.user + " on " + compactor.computer : "by another user";
}

std::string BeingCompactedMessage(const std::string& fileName, const Compactor& compactor) {
  return fileName + (compactor.restoring ? " is being restored " : " is being compacted ") + ByWhom(compactor) +
         (compactor.known ? " since " + compactor.Since() : "") + ". Please try again in a few minutes.";
}

MarkerOnDisk LookAtMarker(Platform& platform, const Selection& app) {
  const std::string marker = CompactingMarkerPath(app);
  MarkerOnDisk found;
  try {
    if (!platform.Exists(marker, Lookup::NormalFiles)) {
      return found;
    }
  } catch (const PlatformError& refusal) {
    found.kind = MarkerOnDisk::Kind::Unseen;
    found.why = refusal.description();
    return found;
  }
  found.kind = platform.HeldAgainstDeletion(marker) ? MarkerOnDisk::Kind::Held : MarkerOnDisk::Kind::Left;
  try {
    found.compactor = ReadCompactingMarker(platform.ReadBytes(marker, kMarkerReadLimit));
  } catch (const PlatformError&) {
    // Its text cannot be read: it names no one, and is still a marker.
  }
  return found;
}

CompactingMarker::CompactingMarker(Platform& platform, const Selection& app, bool restoring)
    : platform_(platform), path_(CompactingMarkerPath(app)) {
  if (const MarkerOnDisk found = LookAtMarker(platform, app); found.kind == MarkerOnDisk::Kind::Held) {
    throw ProgramError(BeingCompactedMessage(app.AppName, found.compactor));
  }
  EnsureBackupFolder(platform, app.AppPath);
  const std::string text =
      CompactingMarkerText(platform.EnvironmentVariable("COMPUTERNAME").value_or(""),
                           platform.EnvironmentVariable("USERNAME").value_or(""), platform.Now(), restoring);
  try {
    held_ = platform.CreateHeldFile(path_, text);
  } catch (const PlatformError& refusal) {
    // A folder in its place, or a file no one holds that still cannot be replaced, blocks every compaction to come.
    if (platform.Exists(path_, Lookup::AllFolders) || platform.Exists(path_, Lookup::AllFiles)) {
      throw ProgramError(path_ + " is left from an earlier compaction and cannot be removed (" +
                         WithoutFullStop(refusal.description()) + "). Remove it, then compact again.");
    }
    throw;
  }
}

CompactingMarker::~CompactingMarker() {
  held_.reset();
  if (leave_) {
    return;
  }
  try {
    platform_.DeleteFile(path_);
  } catch (const std::exception&) {
    // No process holds it now: whoever looks next checks the database and deletes it.
  }
}

}  // namespace corvane
