// The compaction check: a database is there, not empty and, where it was an Access file, still one in whole pages.
#include "launcher/CompactionCheck.h"

#include <array>

#include "platform/ReplaceViaScratch.h"

namespace corvane {

namespace {

// An Access database is made of whole pages of this size, so a file cut short is not one.
constexpr std::uint64_t kPageBytes = 2048;
constexpr std::size_t kSignatureAt = 4, kSignatureBytes = 15;
constexpr std::array<std::string_view, 2> kSignatures = {"Standard Jet DB", "Standard ACE DB"};

constexpr std::string_view kMissing = "the database was missing afterwards";
constexpr std::string_view kEmpty = "the database was empty afterwards";
constexpr std::string_view kNotAccess = "the database was no longer an Access database afterwards";

}  // namespace

std::string SafetyCopyPath(const Selection& app) {
  return BackupFolderOf(app.AppPath) + "\\PreCompact_" + app.AppName;
}

std::string FailedCompactPath(const Selection& app) {
  return BackupFolderOf(app.AppPath) + "\\FailedCompact_" + app.AppName;
}

std::string AccessSignature(Platform& platform, const std::string& database) {
  const std::string head = platform.ReadBytes(database, kSignatureAt + kSignatureBytes);
  const std::string signature = head.size() < kSignatureAt ? "" : head.substr(kSignatureAt);
  for (std::string_view known : kSignatures) {
    if (signature == known) {
      return signature;
    }
  }
  return {};
}

bool IsWholeAccessFile(Platform& platform, const std::string& path) {
  if (!platform.Exists(path, Lookup::NormalFiles)) {
    return false;
  }
  const std::uint64_t bytes = platform.FileSize(path);
  return bytes != 0 && bytes % kPageBytes == 0 && !AccessSignature(platform, path).empty();
}

std::optional<std::string> FaultAfterCompaction(Platform& platform, const std::string& database,
                                                std::string_view signatureBefore) {
  if (!platform.Exists(database, Lookup::NormalFiles)) {
    return std::string(kMissing);
  }
  const std::uint64_t bytes = platform.FileSize(database);
  if (bytes == 0) {
    return std::string(kEmpty);
  }
  if (!signatureBefore.empty() && (bytes % kPageBytes != 0 || AccessSignature(platform, database) != signatureBefore)) {
    return std::string(kNotAccess);
  }
  return std::nullopt;
}

std::string KeptAt(const std::string& safetyCopy) {
  return " The copy taken before compaction is kept at " + safetyCopy + ".";
}

void RestoreFromSafetyCopy(Platform& platform, const Selection& app) {
  if (platform.Exists(app.FullPath, Lookup::NormalFiles)) {
    const std::string failed = FailedCompactPath(app);
    if (platform.Exists(failed, Lookup::NormalFiles)) {
      platform.MakeWritable(failed);
    }
    platform.ReplaceFile(app.FullPath, failed);
  }
  CopyInto(platform, SafetyCopyPath(app), app.FullPath);
}

}  // namespace corvane
