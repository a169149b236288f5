// The lock file's name and its records: 64 bytes each, a 32-byte computer name then a 32-byte user name.
#include "launcher/LockFile.h"

#include <algorithm>
#include <cctype>

namespace corvane {
namespace {

constexpr std::size_t kNameBytes = 32;
constexpr std::size_t kRecordBytes = 2 * kNameBytes;

bool SameExtension(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return std::tolower(static_cast<unsigned char>(x)) == y; });
}

// A name is padded with NULs or blanks: it ends at the first NUL, and its trailing blanks are padding too.
std::string NameIn(std::string_view field) {
  field = field.substr(0, field.find('\0'));
  const std::size_t last = field.find_last_not_of(' ');
  return std::string(field.substr(0, last == std::string_view::npos ? 0 : last + 1));
}

}  // namespace

std::string LockFilePathFor(std::string_view databasePath) {
  // A dot in a folder's name leaves a separator in the "extension", which then matches none of the four.
  const std::size_t dot = databasePath.rfind('.');
  if (dot == std::string_view::npos) {
    return {};
  }
  const std::string_view extension = databasePath.substr(dot + 1);
  const std::string base(databasePath.substr(0, dot + 1));
  if (SameExtension(extension, "mdb") || SameExtension(extension, "mde")) {
    return base + "ldb";
  }
  if (SameExtension(extension, "accdb") || SameExtension(extension, "accde")) {
    return base + "laccdb";
  }
  return {};
}

std::vector<LockHolder> ReadLockHolders(std::string_view fileBytes) {
  std::vector<LockHolder> holders;
  // A truncated last record is one being written, and is left out.
  for (std::size_t at = 0; at + kRecordBytes <= fileBytes.size() && holders.size() < kMaxLockHolders;
       at += kRecordBytes) {
    LockHolder holder{NameIn(fileBytes.substr(at, kNameBytes)), NameIn(fileBytes.substr(at + kNameBytes, kNameBytes))};
    if (!holder.computer.empty() && std::ranges::find(holders, holder) == holders.end()) {
      holders.push_back(std::move(holder));
    }
  }
  return holders;
}

std::string HoldersText(std::span<const LockHolder> holders) {
  std::string text;
  for (const LockHolder& holder : holders) {
    if (!text.empty()) {
      text += ", ";
    }
    text += holder.computer;
    if (!holder.user.empty()) {
      text += " (" + holder.user + ")";
    }
  }
  return text;
}

}  // namespace corvane
