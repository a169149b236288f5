// The copy benchmark: the backup copy (Win32Platform::CopyFile) and the unattended "Corvane.exe /backup 1" against a
// plain CopyFileW of the same 1 GiB file, in a scratch folder on the disk under test.
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
#include "launcher/frmCorvaneLayout.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Platform.h"

namespace corvane::bench {

namespace {

constexpr std::uint64_t kFileSize = 1ull << 30;
constexpr const char* kGoal = ">= 0.90";

// Bytes that no file system can compress or leave sparse, in blocks of 8 MiB.
void WriteNoise(const std::wstring& path) {
  std::ofstream file(std::filesystem::path(path), std::ios::binary);
  std::mt19937_64 random;
  std::vector<std::uint64_t> block(1 << 20);
  for (std::uint64_t written = 0; written < kFileSize && file; written += block.size() * sizeof(block[0])) {
    std::generate(block.begin(), block.end(), std::ref(random));
    file.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(block.size() * 8));
  }
  if (!file.flush()) {
    throw std::runtime_error("cannot write the scratch file");
  }
}

// A copy counts as done when its data are on the disk: otherwise the figures say more about the cache than the copy.
void FlushToDisk(const std::wstring& path) {
  win32::ScopedHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!::FlushFileBuffers(file.Get())) {
    throw std::runtime_error("cannot flush " + win32::Narrow(path) + ": error " + std::to_string(::GetLastError()));
  }
}

struct Way {
  const char* name;
  std::function<void()> copy;  // makes `target` from the source
  std::wstring target;
  std::vector<double> throughputs{};  // bytes per second, one a round
};

// Copies into a target that is not there yet, and deletes it again, so that every round starts alike.
double Measure(Way& way) {
  const auto started = std::chrono::steady_clock::now();
  way.copy();
  FlushToDisk(way.target);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
  std::filesystem::remove(way.target);
  way.throughputs.push_back(static_cast<double>(kFileSize) / took.count());
  return way.throughputs.back() / 1e6;
}

// Runs "Corvane.exe /backup 1" to its end; throws when it fails, shows its launcher or does not end.
void BackUpUnattended(const std::wstring& corvane) {
  const Program program(L"\"" + corvane + L"\" /backup 1");
  for (const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2); !program.HasEnded(10);) {
    HWND window = ::FindWindowW(nullptr, L"Corvane");  // no other Corvane runs meanwhile
    if ((window != nullptr && ::GetDlgItem(window, IdOf(kFrmCorvaneControls, "CmdOpenSupport")) != nullptr) ||
        std::chrono::steady_clock::now() > deadline) {
      throw std::runtime_error("Corvane.exe /backup 1 shows its launcher, or does not end");
    }
  }
  DWORD code = 0;
  if (!::GetExitCodeProcess(program.Handle(), &code) || code != 0) {
    throw std::runtime_error("Corvane.exe /backup 1 ends with exit code " + std::to_string(code));
  }
}

}  // namespace

int CopyBench(const std::wstring& corvane, const std::wstring& folder, int rounds) {
  const std::wstring source = folder + L"\\App1.mde";
  WriteNoise(source);
  // Else the first round would share the disk with the source's own write-back.
  FlushToDisk(source);
  // Every slot names the scratch file, so that the unattended run backs it up whichever slot it takes.
  std::string names;
  std::string paths;
  for (int slot = 0; slot < 12; ++slot) {
    names.append(slot < 11 ? "\"App1.mde\"," : "\"Manual1.pdf\",\"Manual2.pdf\",\"NAME\"\r\n");
    paths.append("\"").append(win32::Narrow(folder)).append("\",");  // the 11 slots' folders, then the manuals'
  }
  std::ofstream(L"C:\\CorvaneAppNames.txt", std::ios::binary) << names;
  std::ofstream(L"C:\\CorvanePaths.txt", std::ios::binary) << paths << "\"http://localhost/\"\r\n";

  win32::Win32Platform platform(true);  // the launcher's backup copy, which shows its progress
  const std::wstring copy = folder + L"\\Copy.mde";
  SYSTEMTIME today{};
  ::GetLocalTime(&today);
  const std::wstring dated = folder + L"\\ArcBackup\\Arc" + std::to_wstring(today.wMonth) +
                             std::to_wstring(today.wDay) + std::to_wstring(today.wYear - 2000) + L"App1.mde";
  std::vector<Way> ways{{"backup copy", [&] { platform.CopyFile(win32::Narrow(source), win32::Narrow(copy)); }, copy},
                        {"CopyFileW", [&] { ::CopyFileW(source.c_str(), copy.c_str(), FALSE); }, copy},
                        {"unattended backup", [&] { BackUpUnattended(corvane); }, dated}};
  for (Way& way : ways) {
    Measure(way);  // the warm-up, which ReportRatio leaves out
  }
  std::printf("%d rounds of copying 1 GiB in %s (1 MB = 10^6 bytes):\n", rounds, win32::Narrow(folder).c_str());
  for (int round = 1; round <= rounds; ++round) {
    // Each way goes first in turn, so that none always meets a disk still busy with another's writes.
    for (std::size_t step = 0; step < ways.size(); ++step) {
      Way& way = ways[(round + step) % ways.size()];
      std::printf("%s%s %.1f MB/s", step == 0 ? "round: " : ", ", way.name, Measure(way));
    }
    std::printf("\n");
    std::fflush(stdout);
  }
  bool met = ReportRatio("backup copy throughput / CopyFileW, 1 GiB", ways[0].throughputs, ways[1].throughputs, kGoal);
  met &=
      ReportRatio("unattended backup throughput / CopyFileW, 1 GiB", ways[2].throughputs, ways[1].throughputs, kGoal);
  return met ? 0 : 1;
}

}  // namespace corvane::bench
