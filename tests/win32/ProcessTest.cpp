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
    LPWSTR* arguments = ::CommandLineToArgvW(Widen(Shortcuts11::QuotedCommandLine(program, document)).c_str(), &count);
    ASSERT_NE(arguments, nullptr);
    EXPECT_EQ(count, 2) << document;
    EXPECT_EQ(Narrow(arguments[0]), program);
    EXPECT_EQ(count > 1 ? Narrow(arguments[1]) : "", document);
    ::LocalFree(arguments);
  }
}

const wchar_t kGo[] = L"Local\\CorvaneTest.Go";

// Once told to go, claims the launcher. The claimant notes it in FOLDER\claims, shows its window a second later, as a
// slow start-up would, and lets the claim go once FOLDER\release exists, staying on as an editor left open would;
// it ends by itself 20 s later.
int LauncherStart(const std::string& folder) {
  const ScopedHandle go(::OpenEventW(SYNCHRONIZE, FALSE, kGo));
  ::WaitForSingleObject(go.Get(), 10000);
  Win32Desktop platform;
  if (!platform.ClaimLauncher()) {
    return 0;
  }
  std::ofstream(folder + "\\claims", std::ios::app | std::ios::binary) << "claimed\n";
  ::Sleep(1000);
  struct : EventSink {
    void OnEvent(std::string_view, Event) noexcept override {}
  } ignored;
  const std::unique_ptr<Window> launcher = platform.CreateForm(kFrmCorvaneLayout, ignored);
  launcher->Show();
  for (int tries = 0; tries < 400 && !std::filesystem::exists(folder + "\\release"); ++tries) {
    ::Sleep(50);
  }
  platform.ReleaseLauncher();
  ::Sleep(20000);
  return 0;
}

TEST(LauncherClaim, OfTwoStartsTogetherOneRunsAndTheOtherEndsOnceItsWindowShowsAndAClosedLauncherFreesIt) {
  TempFolder folder;
  const ScopedHandle go(::CreateEventW(nullptr, TRUE, FALSE, kGo));
  // Every start ends with the test, whatever the test finds.
  struct Starts : std::vector<ScopedHandle> {
    ~Starts() {
      for (const ScopedHandle& process : *this) {
        ::TerminateProcess(process.Get(), 0);
      }
    }
  } starts;
  const auto start = [&] {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    std::wstring commandLine = L"\"" + Widen(ThisProgram()) + L"\" --launcher=" + Widen(folder.path);
    EXPECT_TRUE(::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                 &started));
    ::CloseHandle(started.hThread);
    return starts.emplace_back(started.hProcess).Get();
  };
  const HANDLE both[] = {start(), start()};
  const ULONGLONG went = ::GetTickCount64();
  ::SetEvent(go.Get());
  const DWORD ended = ::WaitForMultipleObjects(2, both, FALSE, 15000) - WAIT_OBJECT_0;
  ASSERT_LT(ended, 2u) << "neither start ended";
  EXPECT_GE(::GetTickCount64() - went, 900u) << "the start ended before the launcher's window showed";
  const HANDLE runner = both[1 - ended];
  EXPECT_EQ(::WaitForSingleObject(runner, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_EQ(ReadBytes(folder / "claims"), "claimed\n");

  // Its launcher closed, the process that stays on frees the claim for the next start.
  std::ofstream(folder / "release") << "";
  start();
  std::string claims;
  for (int tries = 0; tries < 100 && (claims = ReadBytes(folder / "claims")) != "claimed\nclaimed\n"; ++tries) {
    ::Sleep(50);
  }
  EXPECT_EQ(claims, "claimed\nclaimed\n");
  EXPECT_EQ(::WaitForSingleObject(runner, 0), static_cast<DWORD>(WAIT_TIMEOUT));
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
