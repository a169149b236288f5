// Starting programs: a missing one, and one whose path has a blank, waited for; a document's command line split back;
// the claim of the launcher by starts made together. The test program's entry doubles as the child: started with
// --child=PATH, it waits half a second, then writes its own path to PATH, so the report is there at the return only
// when the start waited for the child's end; started with --launcher=FOLDER, it is a start of the launcher
// (LauncherStart); started with --hold=PATH, it holds PATH open as Access holds a lock file until it is ended.
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "launcher/frmCorvaneLayout.h"
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
    LPWSTR* arguments = ::CommandLineToArgvW(Widen(QuotedCommandLine(program, document)).c_str(), &count);
    ASSERT_NE(arguments, nullptr);
    EXPECT_EQ(count, 2) << document;
    EXPECT_EQ(Narrow(arguments[0]), program);
    EXPECT_EQ(count > 1 ? Narrow(arguments[1]) : "", document);
    ::LocalFree(arguments);
  }
}

const wchar_t kGo[] = L"Local\\CorvaneTest.Go", kRelease[] = L"Local\\CorvaneTest.Release";

// Once told to go, claims the launcher, noting each step in FOLDER\steps. The claimant shows its window a second late,
// as a slow start-up would, and once told lets the claim go but stays on, as a process with its editor open does.
int LauncherStart(const std::string& folder) {
  const auto note = [&](const char* step) {
    std::ofstream(folder + "\\steps", std::ios::app | std::ios::binary) << step << '\n';
  };
  const ScopedHandle go(::OpenEventW(SYNCHRONIZE, FALSE, kGo));
  ::WaitForSingleObject(go.Get(), 10000);
  Win32Desktop platform;
  if (!platform.ClaimLauncher()) {
    note("deferred");
    return 0;
  }
  note("claimed");
  ::Sleep(1000);
  struct : EventSink {
    void OnEvent(std::string_view, Event) noexcept override {}
  } ignored;
  platform.CreateForm(kFrmCorvaneLayout, ignored)->Show();
  ::WaitForSingleObject(ScopedHandle(::OpenEventW(SYNCHRONIZE, FALSE, kRelease)).Get(), 10000);
  platform.ReleaseLauncher();
  note("released");
  ::Sleep(3000);
  note("ended");
  return 0;
}

TEST(LauncherClaim, OfTwoStartsTogetherOneRunsAndTheOtherEndsOnceItsWindowShowsAndAClosedLauncherFreesIt) {
  TempFolder folder;
  Win32Platform platform;
  const ScopedHandle go(::CreateEventW(nullptr, TRUE, FALSE, kGo)),
      release(::CreateEventW(nullptr, TRUE, FALSE, kRelease));
  const std::string commandLine = std::string("\"").append(ThisProgram()).append("\" --launcher=") + folder.path;
  const auto start = [&] { platform.StartProgram(ThisProgram(), commandLine, Wait::No); };
  // Whether the steps noted begin as expected within 15 s.
  const auto stepsBeginAs = [&](std::string_view expected) {
    for (int tries = 0; tries < 300 && !ReadBytes(folder / "steps").starts_with(expected); ++tries) {
      ::Sleep(50);
    }
    return ReadBytes(folder / "steps").starts_with(expected);
  };
  start();
  start();
  const ULONGLONG went = ::GetTickCount64();
  ::SetEvent(go.Get());
  EXPECT_TRUE(stepsBeginAs("claimed\ndeferred\n")) << ReadBytes(folder / "steps");
  EXPECT_GE(::GetTickCount64() - went, 900u) << "the start ended before the launcher's window showed";
  // The launcher closed, its process stays on, and the next start runs a launcher.
  ::SetEvent(release.Get());
  start();
  EXPECT_TRUE(stepsBeginAs("claimed\ndeferred\nreleased\nclaimed\n")) << ReadBytes(folder / "steps");
}

}  // namespace
}  // namespace corvane::win32::test

int main(int argc, char** argv) {
  constexpr std::string_view kChild = "--child=", kLauncher = "--launcher=";
  for (int index = 1; index < argc; ++index) {
    if (std::string_view(argv[index]).starts_with(kLauncher)) {
      return corvane::win32::test::LauncherStart(argv[index] + kLauncher.size());
    }
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
