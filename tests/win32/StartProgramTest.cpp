// Starting programs: refusals, waiting for the end, not waiting, and paths with blanks.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "ChildMode.h"
#include "TempFolder.h"
#include "platform/Layout.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32Window.h"

namespace corvane::win32::test {
namespace {

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

std::string ChildWrite(const std::string& path) {
  return Narrow(kChildWrite) + Quoted(path);
}

std::string ChildDelay(int milliseconds) {
  return Narrow(kChildDelay) + std::to_string(milliseconds);
}

class StartProgramTest : public testing::Test {
 protected:
  TempFolder folder_;
  Win32Platform platform_;
};

TEST_F(StartProgramTest, MissingOrEmptyProgramThrowsWithADescription) {
  const std::string missing = folder_ / "MSAccess.exe";
  try {
    platform_.StartProgram(missing, Quoted(missing) + " " + Quoted("C:\\App1.mde"), Wait::No);
    FAIL() << "started a missing program";
  } catch (const PlatformError& failure) {
    const std::string text = failure.what();
    EXPECT_EQ(text.rfind(missing + ": ", 0), 0u) << text;
    EXPECT_GT(text.size(), missing.size() + 2) << text;
  }

  try {
    platform_.StartProgram("", "\"\" \"C:\\App1.mde\"", Wait::No);
    FAIL() << "started an empty program";
  } catch (const PlatformError& failure) {
    EXPECT_GT(std::string(failure.what()).size(), std::string("\"\" \"C:\\App1.mde\": ").size()) << failure.what();
  }
}

struct NoEvents : EventSink {
  void OnEvent(std::string_view, Event) override {}
};

TEST_F(StartProgramTest, WaitingReturnsAfterTheChildEndedWithTheFormsDisabledMeanwhile) {
  static constexpr ControlSpec kControls[] = {{"CmdOk", ControlKind::Button, "OK", 0, 0, 600, 360, 0}};
  static constexpr FormLayout kLayout{"frmWait", "Waiting", 1000, 1000, 1200, 600, false, {}, kControls};
  NoEvents sink;
  auto form = platform_.CreateForm(kLayout, sink);
  HWND window = dynamic_cast<Win32Window&>(*form).handle();
  const std::string report = folder_ / "child.txt";

  platform_.StartProgram(ThisProgram(),
                         Quoted(ThisProgram()) + " " + ChildWrite(report) + " " + ChildDelay(500) + " " +
                             Narrow(kChildWindow) + std::to_string(reinterpret_cast<INT_PTR>(window)),
                         Wait::UntilEnded);

  EXPECT_EQ(ReadBytes(report), ThisProgram() + "\nenabled=0");
  EXPECT_TRUE(::IsWindowEnabled(window));
}

TEST_F(StartProgramTest, WithoutWaitingReturnsWhileTheChildStillRuns) {
  const std::string report = folder_ / "child.txt";
  platform_.StartProgram(ThisProgram(), Quoted(ThisProgram()) + " " + ChildWrite(report) + " " + ChildDelay(1500),
                         Wait::No);
  EXPECT_EQ(ReadBytes(report), std::nullopt);

  // Let the child finish before its folder goes.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!ReadBytes(report) && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  EXPECT_EQ(ReadBytes(report), ThisProgram());
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
}

TEST_F(StartProgramTest, PathWithABlankStartsThatProgramNotAShorterOne) {
  MakeFolder(folder_ / "Office");
  const std::string decoy = folder_ / "Office\\My.exe";
  const std::string program = folder_ / "Office\\My Access.exe";
  ASSERT_TRUE(::CopyFileW(Widen(ThisProgram()).c_str(), Widen(decoy).c_str(), FALSE));
  ASSERT_TRUE(::CopyFileW(Widen(ThisProgram()).c_str(), Widen(program).c_str(), FALSE));
  const std::string report = folder_ / "child.txt";

  // Unquoted, as a careless caller might give it: only the program path decides what runs.
  platform_.StartProgram(program, program + " " + ChildWrite(report), Wait::UntilEnded);

  EXPECT_EQ(ReadBytes(report), program);
}

}  // namespace
}  // namespace corvane::win32::test
