// The copy benchmark: the backup copy (Win32Platform::CopyFile) against a plain CopyFileW of the same file.
// Usage: corvane_copy_bench [FOLDER [ROUNDS]]; FOLDER (default %TEMP%) must be on the disk to measure.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ScratchFiles.h"
#include "Statistics.h"
#include "Verdict.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Platform.h"

#include <shellapi.h>

namespace corvane::bench {
namespace {

constexpr std::uint64_t kFileSize = 1ull << 30;
constexpr int kDefaultRounds = 7;
constexpr int kLeastRounds = 3;
constexpr Goal kGoal{Bound::AtLeast, 0.90};
constexpr double kMegabyte = 1e6;

using Copy = std::function<void(const std::string& from, const std::string& to)>;

struct Way {
  const char* name;
  Copy copy;
  std::vector<double> throughputs;  // bytes per second, one a round
};

// Copies into a target that does not exist yet, then deletes it so that every round starts alike. The copy counts
// as done when its data are on the disk: otherwise the figures say more about the cache than the copy.
double Measure(Way& way, const std::string& source, const std::string& target) {
  const auto started = std::chrono::steady_clock::now();
  way.copy(source, target);
  FlushToDisk(target);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
  RemoveFile(target);
  way.throughputs.push_back(static_cast<double>(kFileSize) / took.count());
  return way.throughputs.back();
}

void PlainCopy(const std::string& from, const std::string& to) {
  if (!::CopyFileW(win32::Widen(from).c_str(), win32::Widen(to).c_str(), FALSE)) {
    throw std::runtime_error("CopyFileW failed for " + to + ", error " + std::to_string(::GetLastError()));
  }
}

int Run(const std::string& parent, int rounds) {
  ScratchFolder folder(parent);
  const std::string source = folder / "App1.mde";
  std::printf("Copying a file of %llu bytes in %s, %d rounds of each way, interleaved (1 MB = 1000000 bytes).\n",
              static_cast<unsigned long long>(kFileSize), folder.path().c_str(), rounds);
  WriteNoiseFile(source, kFileSize);
  // Else the first round would share the disk with the source's own write-back.
  FlushToDisk(source);

  win32::Win32Platform platform;
  Way backup{
      "backup copy", [&platform](const std::string& from, const std::string& to) { platform.CopyFile(from, to); }, {}};
  Way plain{"CopyFileW", &PlainCopy, {}};
  // One copy of each way first, not counted: the first copy of a run also pays for loading what the copy needs.
  for (Way* way : {&backup, &plain}) {
    way->copy(source, folder / "WarmUp.mde");
    RemoveFile(folder / "WarmUp.mde");
  }
  for (int round = 1; round <= rounds; ++round) {
    // Each way goes first in every other round, so that neither always meets a disk still busy with the other's
    // writes.
    Way& first = round % 2 == 1 ? backup : plain;
    Way& second = round % 2 == 1 ? plain : backup;
    const std::string target = folder / ("Round" + std::to_string(round) + ".mde");
    const double firstThroughput = Measure(first, source, target);
    const double secondThroughput = Measure(second, source, target);
    std::printf("round %d: %s %.1f MB/s, then %s %.1f MB/s\n", round, first.name, firstThroughput / kMegabyte,
                second.name, secondThroughput / kMegabyte);
    std::fflush(stdout);
  }

  const double backupMedian = Median(backup.throughputs);
  const double plainMedian = Median(plain.throughputs);
  const double ratio = backupMedian / plainMedian;
  const double spread = std::max(RelativeSpread(backup.throughputs), RelativeSpread(plain.throughputs));
  std::printf("median backup copy throughput: %.1f MB/s\n", backupMedian / kMegabyte);
  std::printf("median CopyFileW throughput:   %.1f MB/s\n", plainMedian / kMegabyte);
  std::printf("measured spread (largest - smallest) / median of either way: %.3f\n", spread);
  return ExitStatusOf(ReportRatio("backup copy throughput / CopyFileW", ratio, spread, kGoal));
}

// The command line as UTF-8, whatever the ANSI code page.
std::vector<std::string> Arguments() {
  int count = 0;
  LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::vector<std::string> result;
  for (int index = 1; index < count; ++index) {
    result.push_back(win32::Narrow(arguments[index]));
  }
  ::LocalFree(arguments);
  return result;
}

}  // namespace
}  // namespace corvane::bench

int main() {
  using namespace corvane::bench;
  try {
    const std::vector<std::string> arguments = Arguments();
    const std::string folder = arguments.empty() ? std::string() : arguments[0];
    const int rounds = arguments.size() > 1 ? std::stoi(arguments[1]) : kDefaultRounds;
    if (rounds < kLeastRounds) {
      std::fprintf(stderr, "At least %d rounds are needed for a median and a spread.\n", kLeastRounds);
      return 2;
    }
    return Run(folder, rounds);
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "%s\n", failure.what());
    return 2;
  }
}
