// The local copies folder as a trusted location of Access.
#include "launcher/TrustedLocation.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "platform/DateText.h"

namespace corvane {
namespace {

// The folders each Office release installs Access in, from 2007 on: "Office16" also under "root", and "office15"
// under "Microsoft Office 15\root".
struct OfficeFolder {
  std::string_view folder;
  std::string_view version;
};
constexpr std::array kOfficeFolders{
    OfficeFolder{.folder = "office16", .version = "16.0"},
    OfficeFolder{.folder = "office15", .version = "15.0"},
    OfficeFolder{.folder = "office14", .version = "14.0"},
    OfficeFolder{.folder = "office12", .version = "12.0"},
};

constexpr std::string_view kLocationName = "Corvane";
constexpr std::string_view kDescription = "Corvane local copies";

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::ranges::transform(lower, lower.begin(), [](char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

std::string SecurityKey(std::string_view version) {
  return "Software\\Microsoft\\Office\\" + std::string(version) + "\\Access\\Security\\Trusted Locations";
}

bool PolicyDisablesLocations(Platform& platform, std::string_view version) {
  const auto disabled = platform.UserRegistryValue(
      "Software\\Policies\\Microsoft\\Office\\" + std::string(version) + "\\Access\\Security\\Trusted Locations",
      "AllLocationsDisabled");
  return disabled && std::holds_alternative<std::uint32_t>(*disabled) && std::get<std::uint32_t>(*disabled) != 0;
}

}  // namespace

std::optional<std::string> OfficeVersionOf(std::string_view accessPath) {
  const std::string path = Lower(accessPath);
  const std::size_t name = path.find_last_of("\\/");
  if (name == std::string::npos) {
    return std::nullopt;
  }
  const std::string_view folder = std::string_view(path).substr(0, name);
  const std::string_view last = folder.substr(folder.find_last_of("\\/") + 1);
  for (const OfficeFolder& known : kOfficeFolders) {
    if (last == known.folder) {
      return std::string(known.version);
    }
  }
  return std::nullopt;
}

void TrustLocalCopies(Platform& platform, std::string_view accessPath, const std::string& folder) {
  const auto version = OfficeVersionOf(accessPath);
  // Trusting a network folder would let every PC run what anyone puts there: the administrator's decision.
  if (!version || platform.OnNetwork(folder)) {
    return;
  }
  const std::string key = SecurityKey(*version) + "\\" + std::string(kLocationName);
  std::string path = folder;
  if (!path.ends_with('\\')) {
    path += '\\';
  }
  // A click on a current copy costs this one read; the policy matters only to a write.
  if (const auto written = platform.UserRegistryValue(key, "Path");
      (written && std::holds_alternative<std::string>(*written) && std::get<std::string>(*written) == path) ||
      PolicyDisablesLocations(platform, *version)) {
    return;
  }
  try {
    platform.SetUserRegistryValues(key, {{"Path", path},
                                         {"AllowSubfolders", std::uint32_t{1}},
                                         {"Description", std::string(kDescription)},
                                         {"Date", DateTimeText(platform.Now())}});
  } catch (const PlatformError&) {
    // A locked-down registry: Access asks the user to enable the content, as it always has.
  }
}

}  // namespace corvane
