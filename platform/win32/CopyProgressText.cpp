// Wording of the copy's progress: the file's name and the bytes so far, in units of 1000.
#include "platform/win32/CopyProgressText.h"

#include <algorithm>

namespace corvane::win32 {

namespace {

constexpr std::uint64_t kKilobyte = 1000;
constexpr std::uint64_t kMegabyte = 1000 * kKilobyte;
constexpr std::uint64_t kSmallestInMegabytes = 10 * kMegabyte;

}  // namespace

std::string CopyingText(std::string_view path) {
  const std::size_t separator = path.find_last_of("\\/");
  return "Copying " + std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

std::string CopiedText(std::uint64_t copied, std::uint64_t total) {
  const bool inMegabytes = total >= kSmallestInMegabytes;
  const std::uint64_t unit = inMegabytes ? kMegabyte : kKilobyte;
  const std::string label = inMegabytes ? " MB" : " KB";
  return std::to_string(std::min(copied, total) / unit) + label + " of " + std::to_string(total / unit) + label;
}

}  // namespace corvane::win32
