// The copy benchmark, in a scratch folder on the disk under test: the backup, the unattended backup and a first local
// copy each against CopyFileW of the same file, the open of a slot whose local copy is current, and the support
// window's reading of eleven backup folders.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <stdexcept>
#include <string>

#include "Bench.h"
#include "launcher/LocalCopy.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Platform.h"
#include "settings/SettingsFiles.h"
#include "support/Backup.h"
#include "support/BackupAge.h"

namespace corvane::bench {
namespace {

constexpr std::uint64_t kBackupSize = 1ull << 30, kMasterSize = 100 << 20;
constexpr const char* kGoal = ">= 0.90";

// A copy counts as done when its data are on the disk: otherwise the figures say more about the cache than the copy.
void FlushToDisk(const std::wstring& path) {
  win32::ScopedHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!::FlushFileBuffers(file.Get())) {
    throw std::runtime_error("cannot flush " + win32::Narrow(path) + ": error " + std::to_string(::GetLastError()));
  }
}

// Bytes no file system can compress or leave sparse, flushed so that the first round does not meet their write-back.
void WriteNoise(const std::wstring& path, std::uint64_t size) {
  std::ofstream file(std::filesystem::path(path), std::ios::binary);
  std::mt19937_64 random;
  std::vector<std::uint64_t> block(1 << 20);
  for (std::uint64_t written = 0; written < size && file; written += block.size() * sizeof(block[0])) {
    std::generate(block.begin(), block.end(), std::ref(random));
    file.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(block.size() * 8));
  }
  if (!file.flush()) {
    throw std::runtime_error("cannot write the scratch file");
  }
  file.close();
  FlushToDisk(path);
}

struct Way {
  const char* name;
  std::function<void()> copy;  // makes `target` from the source
  std::wstring target;
  std::vector<double> throughputs{};  // bytes per second, one a round
};

// Copies into a target that is not there yet, and deletes it again, so that every round starts alike.
double Measure(Way& way, std::uint64_t size) {
  const auto started = std::chrono::steady_clock::now();
  way.copy();
  FlushToDisk(way.target);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
  std::filesystem::remove(way.target);
  way.throughputs.push_back(static_cast<double>(size) / took.count());
  return way.throughputs.back() / 1e6;
}

// A warm-up (ReportRatio leaves it out), then rounds in which each way goes first in turn, as the disk is busiest then.
void Race(std::vector<Way>& ways, std::uint64_t size, int rounds, const std::wstring& folder) {
  for (Way& way : ways) {
    Measure(way, size);
  }
  std::printf("%d rounds of copying %llu MiB in %s (1 MB = 10^6 bytes):\n", rounds, size >> 20,
              win32::Narrow(folder).c_str());
  for (int round = 1; round <= rounds; ++round) {
    for (std::size_t step = 0; step < ways.size(); ++step) {
      Way& way = ways[(round + step) % ways.size()];
      std::printf("%s%s %.1f MB/s", step == 0 ? "round: " : ", ", way.name, Measure(way, size));
    }
    std::printf("\n");
    std::fflush(stdout);
  }
}

// Runs "Corvane.exe /backup 1" to its end; throws when it fails or has not ended in 2 minutes (as when it shows
// windows).
void BackUpUnattended(const std::wstring& corvane) {
  const Program program(L"\"" + corvane + L"\" /backup 1");
  DWORD code = 0;
  if (!program.HasEnded(120'000) || !::GetExitCodeProcess(program.Handle(), &code) || code != 0) {
    throw std::runtime_error("Corvane.exe /backup 1 did not end, or ended with exit code " + std::to_string(code));
  }
}

}  // namespace

int CopyBench(const std::wstring& corvane, const std::wstring& folder, int rounds) {
  const std::wstring source = folder + L"\\App1.mde";
  WriteNoise(source, kBackupSize);
  // Every slot names the scratch file, so that the unattended run backs it up whichever slot it takes.
  std::vector<std::string> names(kSlotCount, "App1.mde"), paths(kSlotCount + 1, win32::Narrow(folder));
  names.insert(names.end(), {"Manual1.pdf", "Manual2.pdf", "NAME"});
  paths.push_back("http://localhost/");
  std::ofstream(L"C:\\CorvaneAppNames.txt", std::ios::binary) << FormatSettingsLine(names);
  std::ofstream(L"C:\\CorvanePaths.txt", std::ios::binary) << FormatSettingsLine(paths);

  win32::Win32Desktop desktop;  // the launcher's copies, which show their progress
  const std::wstring copy = folder + L"\\Copy.mde";
  const std::wstring dated = folder + L"\\ArcBackup\\" + win32::Widen(BackupName(desktop.Now(), "App1.mde"));
  std::vector<Way> ways{{"backup copy", [&] { desktop.CopyFile(win32::Narrow(source), win32::Narrow(copy)); }, copy},
                        {"CopyFileW", [&] { ::CopyFileW(source.c_str(), copy.c_str(), FALSE); }, copy},
                        {"unattended backup", [&] { BackUpUnattended(corvane); }, dated}};
  Race(ways, kBackupSize, rounds, folder);
  bool met = ReportRatio("backup copy throughput / CopyFileW, 1 GiB", ways[0].throughputs, ways[1].throughputs, kGoal);
  met &=
      ReportRatio("unattended backup throughput / CopyFileW, 1 GiB", ways[2].throughputs, ways[1].throughputs, kGoal);

  // Slot 1's master in the folder, its local copy below it.
  const std::wstring master = folder + L"\\Master.mde", locals = folder + L"\\Local";
  WriteNoise(master, kMasterSize);
  LauncherSettingsRecord settings;
  settings.Apps[0].AppName = "Master.mde";
  settings.LocalCopiesFolder = win32::Narrow(locals) + "\\%USERNAME%";
  const Selection app{.AppName = "Master.mde", .AppPath = win32::Narrow(folder), .FullPath = win32::Narrow(master)};
  const std::string local = LocalCopyPath(desktop, settings, 0);
  // Measure deletes the copy after each round: each is a first copy (the warm-up also makes the folders).
  std::vector<Way> first{{"first local copy", [&] { CurrentLocalCopy(desktop, app, local); }, win32::Widen(local)},
                         {"CopyFileW", [&] { ::CopyFileW(master.c_str(), copy.c_str(), FALSE); }, copy}};
  Race(first, kMasterSize, rounds, folder);
  met &= ReportRatio("first local copy throughput / CopyFileW, 100 MiB", first[0].throughputs, first[1].throughputs,
                     kGoal);

  // A click on the slot once its copy is current: the folder expanded, two lookups, no copy.
  CurrentLocalCopy(desktop, app, local);
  std::vector<double> milliseconds;
  for (int click = 0; click <= 200; ++click) {
    const auto started = std::chrono::steady_clock::now();
    CurrentLocalCopy(desktop, app, LocalCopyPath(desktop, settings, 0));
    milliseconds.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count());
  }
  met &= ReportRatio("open of a slot whose local copy is current, ms added to the click", milliseconds,
                     std::vector<double>(milliseconds.size(), 1.0), "<= 5");

  // The support window's Last backup column: eleven slots in folders of their own, 30 backups each, listed as the
  // window lists them once it has painted.
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const std::wstring apps = folder + L"\\Apps" + std::to_wstring(slot + 1);
    std::filesystem::create_directories(apps + L"\\ArcBackup");
    settings.Apps[static_cast<std::size_t>(slot)] = {"App.mde", win32::Narrow(apps), ""};
    std::ofstream(std::filesystem::path(apps + L"\\App.mde")) << "database";
    for (int day = 1; day <= 30; ++day) {
      std::ofstream(std::filesystem::path(apps + L"\\ArcBackup\\Arc11" + std::to_wstring(day) + L"26App.mde"))
          << "copy";
    }
  }
  std::vector<double> listing;
  for (int round = 0; round <= 50; ++round) {
    const auto started = std::chrono::steady_clock::now();
    for (int slot = 0; slot < kSlotCount; ++slot) {
      LastBackupOf(desktop, settings, slot);
    }
    listing.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count());
  }
  met &= ReportRatio("Last backup column, ms to read 11 folders of 30 backups", listing,
                     std::vector<double>(listing.size(), 1.0), "<= 50");
  return met ? 0 : 1;
}

}  // namespace corvane::bench
