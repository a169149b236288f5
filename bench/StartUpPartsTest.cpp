// The start-up benchmark's parts against the real system under Wine: the clock, the memory figures, drive C:.
#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <string>

#include "BenchConfig.h"
#include "DriveC.h"
#include "ProcessMemory.h"
#include "ShownWindows.h"
#include "StartConditions.h"
#include "TimedStart.h"
#include "Wide.h"

namespace corvane::bench {
namespace {

std::wstring BareWindow() {
  return e2e::WindowsPath(kBareWindowExe);
}

bool NeverReady(DWORD) {
  return false;
}

// The message of what `action` throws; empty when it throws nothing.
template <class Action>
std::string FailureOf(Action action) {
  try {
    action();
  } catch (const std::runtime_error& failure) {
    return failure.what();
  }
  return {};
}

TEST(StartAndTimeTest, TimesAProgramUntilItsWindowShowsAndLeavesItRunning) {
  const TimedStart start = StartAndTime(BareWindow(), IsBareWindowShown, e2e::kStartWait);
  EXPECT_GT(start.seconds, 0);
  EXPECT_LT(start.seconds, std::chrono::duration<double>(e2e::kStartWait).count());
  EXPECT_TRUE(IsBareWindowShown(start.program->Id()));
  EXPECT_FALSE(start.program->HasEnded());
}

TEST(StartAndTimeTest, SaysWhenTheProgramEndsOrIsNotReadyInTime) {
  // A console program that ends at once, with no window ever.
  EXPECT_NE(FailureOf([] {
              StartAndTime(L"C:\\windows\\system32\\hostname.exe", NeverReady, e2e::kStartWait);
            }).find("ended"),
            std::string::npos);

  const auto started = std::chrono::steady_clock::now();
  EXPECT_NE(FailureOf([] { StartAndTime(BareWindow(), NeverReady, e2e::Timeout{500}); }).find("not ready in time"),
            std::string::npos);
  EXPECT_LT(std::chrono::steady_clock::now() - started, e2e::kShortWait);
}

TEST(ProcessMemoryTest, AnotherProcessHasAPlausibleWorkingSetWhosePeakNeverFalls) {
  const TimedStart start = StartAndTime(BareWindow(), IsBareWindowShown, e2e::kStartWait);
  const ProcessMemory memory(start.program->Id());
  const WorkingSet first = memory.Read();
  const WorkingSet settled = memory.ReadSettled();
  EXPECT_TRUE(IsPlausible(first)) << first.peak << " " << first.current;
  EXPECT_TRUE(IsPlausible(settled)) << settled.peak << " " << settled.current;
  EXPECT_GE(settled.peak, first.peak);
}

TEST(ProcessMemoryTest, FiguresNoRealSystemReportsAreImplausible) {
  constexpr std::size_t kMiB = 1u << 20;
  EXPECT_TRUE(IsPlausible({20 * kMiB, 18 * kMiB}));
  EXPECT_TRUE(IsPlausible({20 * kMiB, 20 * kMiB}));
  EXPECT_FALSE(IsPlausible({0, 0}));
  EXPECT_FALSE(IsPlausible({20 * kMiB, 0}));
  EXPECT_FALSE(IsPlausible({18 * kMiB, 20 * kMiB}));  // the peak below what it holds now
  EXPECT_FALSE(IsPlausible({512 * 1024, 256 * 1024}));
  EXPECT_FALSE(IsPlausible({2048 * kMiB, 20 * kMiB}));
}

TEST(StartConditionsTest, AccessStandsInForTheRunAndTheSettingsFilesGoForGood) {
  const std::wstring office = L"C:\\Program Files\\Microsoft Office";
  const bool officeWasThere = GetFileAttributesW(office.c_str()) != INVALID_FILE_ATTRIBUTES;
  const std::wstring settings[] = {L"C:\\CorvaneAppNames.txt", L"C:\\CorvanePaths.txt", L"C:\\CorvaneAppAlias.txt"};
  for (const std::wstring& file : settings) {
    e2e::WriteBinaryFile(file, "\"x\"\r\n");
  }
  SetFileAttributesW(settings[2].c_str(), FILE_ATTRIBUTE_READONLY);
  // Not a settings file: it stays.
  const std::wstring other = L"C:\\CorvaneBenchOther.log";
  e2e::WriteBinaryFile(other, "kept");

  {
    const StartConditions conditions(BareWindow());
    EXPECT_TRUE(e2e::FileExists(std::wstring(kAccessPlace)));
    for (const std::wstring& file : settings) {
      EXPECT_FALSE(e2e::FileExists(file)) << e2e::ToUtf8(file);
    }
  }

  EXPECT_FALSE(e2e::FileExists(std::wstring(kAccessPlace)));
  EXPECT_EQ(GetFileAttributesW(office.c_str()) != INVALID_FILE_ATTRIBUTES, officeWasThere);
  for (const std::wstring& file : settings) {
    EXPECT_FALSE(e2e::FileExists(file)) << e2e::ToUtf8(file);
  }
  EXPECT_TRUE(e2e::FileExists(other));
  e2e::RemoveFile(other);
}

}  // namespace
}  // namespace corvane::bench
