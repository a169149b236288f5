// Starting programs: a missing one, and one whose path has a blank, waited for; and the test program's entry, which
// doubles as the child: started with --child=PATH, it waits half a second, then writes its own path to PATH, so the
// report is there at the return only when the start waited for the child's end; started with --hold=PATH, it holds
// PATH open as Access holds a lock file until it is ended.
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "locate/ExternalPrograms.h"
#include "platform/win32/Win32Platform.h"

#include <shellapi.h>

namespace corvane::win32::test {
namespace {

TEST(ProcessTest, AMissingProgramThrowsAndAPathWithABlankNeverRunsTheShorterPathAndIsWaitedFor) {
  TempFolder folder;
  Win32Platform platform;
  const std::string missing = folder / "MSACCESS.EXE";
  try {
    platform.StartProgram(missing, missing + " C:\\Apps\\App1.mde", Wait::No);
    ADD_FAILURE() << "started a missing program";
  } catch (const PlatformError& failure) {
    EXPECT_GT(std::string(failure.what()).size(), (missing + ": ").size()) << failure.what();
  }

  const std::string program = folder / "My Access.exe";
  for (const std::string& copy : {folder / "My.exe", program}) {
    std::filesystem::copy_file(ThisProgram(), copy);
  }
  // Unquoted, as a careless caller might give it: only the program path decides what runs.
  platform.StartProgram(program, program + " --child=" + folder / "child.txt", Wait::UntilEnded);
  EXPECT_EQ(ReadBytes(folder / "child.txt"), program);
}

// A document path reaches the started program as one argument, unchanged, as the program's runtime splits it.
TEST(ProcessTest, AQuotedCommandLineSplitsBackIntoTheProgramAndTheDocument) {
  const std::string program = "C:\\Program Files\\Microsoft Office\\Office14\\MSACCESS.EXE";
  for (const std::string document : {"C:\\Apps\\App1.mde", "\\\\server\\share name\\App 1.mde", "C:\\Folder\\",
                                     "C:\\Trail\\\\", "say \"hi\"", "back\\\"slash\\\\\"", "", " lead and trail "}) {
    int count = 0;
    LPWSTR* arguments = ::CommandLineToArgvW(Widen(Shortcuts11::QuotedCommandLine(program, document)).c_str(), &count);
    ASSERT_NE(arguments, nullptr);
    EXPECT_EQ(count, 2) << document;
    EXPECT_EQ(Narrow(arguments[0]), program);
    EXPECT_EQ(count > 1 ? Narrow(arguments[1]) : "", document);
    ::LocalFree(arguments);
  }
}

}  // namespace
}  // namespace corvane::win32::test

int main(int argc, char** argv) {
  constexpr std::string_view kChild = "--child=";
  for (int index = 1; index < argc; ++index) {
    if (std::string_view(argv[index]).starts_with(kChild)) {
      ::Sleep(500);
      std::ofstream(argv[index] + kChild.size(), std::ios::binary) << corvane::win32::test::ThisProgram();
      return 0;
    }
    if (std::string_view(argv[index]).starts_with(corvane::win32::test::kHold)) {
      corvane::win32::test::HoldAsAccessDoes(argv[index] + corvane::win32::test::kHold.size());
      return 0;
    }
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
