// CompactApp and its two helpers: the size message and the wait for Access's compaction.
#include "support/Compact.h"

#include <cstdio>

#include "launcher/InUse.h"
#include "launcher/UnfinishedCompaction.h"
#include "locate/ExternalPrograms.h"
#include "locate/Locate.h"
#include "platform/Failure.h"
#include "settings/SelectApp.h"
#include "support/SafeCompaction.h"

namespace corvane {

std::string KiloBytesText(std::uint64_t bytes, const std::string& decimalSeparator) {
  char text[64];
  std::snprintf(text, sizeof text, "%.15G", static_cast<double>(bytes) / 1000.0);
  std::string result = text;
  if (const auto point = result.find('.'); point != std::string::npos) {
    result.replace(point, 1, decimalSeparator);
  }
  return result;
}

std::string CompactCommandLine(const std::string& access, const std::string& database) {
  return QuotedCommandLine(access, database) + " /compact";
}

namespace Shortcuts11 {

void CompactApp(Desktop& platform, State& state, int slot) {
  const Selection app = SelectApp(state.LauncherSettings, slot);
  const std::string& name = app.AppName;
  const std::string& path = app.FullPath;
  // A compaction that cannot run must neither replace the safety copy nor report sizes.
  if (state.AccessPath.empty()) {
    ShowInfo(platform, std::string(kNoAccessToCompact));
    return;
  }
  if (!app.HasDatabase()) {
    ShowInfo(platform, NoDatabaseMessage(app, slot));
    return;
  }
  if (!platform.Exists(path, Lookup::NormalFiles)) {
    ShowInfo(platform, "Cannot find " + name + " database to compact");
    return;
  }
  // Line feed before carriage return, as the question has always been put.
  const Answer answer = platform.ShowMessage(
      "Please close " + name + "\n\rAnd have all other Users Exit this application before proceeding.",
      std::string(kWarningTitle), Buttons::OkCancel);
  if (answer == Answer::Cancel || !ClearOfCompaction(platform, app, Purpose::Copy)) {
    return;
  }
  // Access cannot compact a database that someone still has open, and would only seem to have done it.
  if (const auto where = WhereInUse(platform, path)) {
    platform.ShowMessage(name + " is still open " + *where + ". Compaction was not started.",
                         std::string(kWarningTitle), Buttons::Ok);
    return;
  }
  const auto warn = [&](const std::string& text) {
    platform.ShowMessage(text, std::string(kWarningTitle), Buttons::Ok);
  };
  const CompactionResult result = CompactSafely(platform, app, [&] {
    ReportFileSize(platform, path, "File Size Before Compaction is ", name);
    return StartAccessCompact(platform, state, path);
  });
  switch (result.kind) {
    case CompactionResult::Kind::NotAccess:
      warn(NotAccessMessage(name, result.safetyCopy));
      return;
    case CompactionResult::Kind::NoRoom:
      warn(NotEnoughRoomMessage(name, result.room));
      return;
    case CompactionResult::Kind::Restored:
      warn("Compaction of " + name + " failed: " + result.reason +
           ". The database was restored from the copy taken before compaction.");
      return;
    case CompactionResult::Kind::Passed:
    case CompactionResult::Kind::StillRunning:
      if (result.exitCode != 0) {
        warn("Compaction of " + name + " failed: Access ended with code " + std::to_string(result.exitCode) + ".");
        return;
      }
      ReportFileSize(platform, path, "File Size After Compaction is ", name);
      return;
  }
}

void ReportFileSize(Desktop& platform, const std::string& path, const std::string& label, const std::string& fileName) {
  GoOnAfterFailure(platform, [&] {
    const std::uint64_t bytes = platform.FileSize(path);
    ShowInfo(platform, fileName + " " + label + KiloBytesText(bytes, platform.DecimalSeparator()) + " KB");
  });
}

// The button waits for Access however long it takes; a start that fails ends the slot.
std::optional<std::uint32_t> StartAccessCompact(Desktop& platform, State& state, const std::string& path) {
  return StartRecorded(platform, state, state.AccessPath, CompactCommandLine(state.AccessPath, path), Wait::UntilEnded);
}

}  // namespace Shortcuts11
}  // namespace corvane
