// Starting programs: a missing one, waiting for the end, and a path with a blank; and the test program's entry, which
// doubles as their child: started with --child=PATH, it waits half a second, then writes its own path to PATH.
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Platform.h"

namespace corvane::win32::test {
namespace {

class ProcessTest : public testing::Test {
 protected:
  TempFolder folder_;
  Win32Platform platform_;
  const std::string report_ = folder_ / "child.txt";
};

TEST_F(ProcessTest, AMissingProgramThrowsWithTheSystemsDescription) {
  const std::string missing = folder_ / "MSACCESS.EXE";
  try {
    platform_.StartProgram(missing, missing + " C:\\Apps\\App1.mde", Wait::No);
    ADD_FAILURE() << "started a missing program";
  } catch (const PlatformError& failure) {
    EXPECT_GT(std::string(failure.what()).size(), (missing + ": ").size()) << failure.what();
  }
}

TEST_F(ProcessTest, WaitingReturnsOnlyOnceTheChildHasEnded) {
  platform_.StartProgram(ThisProgram(), ThisProgram() + " --child=" + report_, Wait::UntilEnded);
  EXPECT_EQ(ReadBytes(report_), ThisProgram());
}

TEST_F(ProcessTest, APathWithABlankNeverRunsTheShorterPath) {
  const std::string program = folder_ / "My Access.exe";
  for (const std::string& copy : {folder_ / "My.exe", program}) {
    ASSERT_TRUE(::CopyFileW(Widen(ThisProgram()).c_str(), Widen(copy).c_str(), FALSE));
  }
  // Unquoted, as a careless caller might give it: only the program path decides what runs.
  platform_.StartProgram(program, program + " --child=" + report_, Wait::UntilEnded);
  EXPECT_EQ(ReadBytes(report_), program);
}

}  // namespace
}  // namespace corvane::win32::test

int main(int argc, char** argv) {
  constexpr std::string_view kChild = "--child=";
  for (int index = 1; index < argc; ++index) {
    if (std::string_view(argv[index]).starts_with(kChild)) {
      ::Sleep(500);  // long enough that a start which does not wait returns before the child has written
      corvane::win32::test::WriteBytes(argv[index] + kChild.size(), corvane::win32::test::ThisProgram());
      return 0;
    }
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
