// The journeys a person makes with the real Corvane.exe that no lower level can show, on the prefix's drive C:.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "Driver.h"
#include "launcher/frmCorvaneLayout.h"
#include "settings/frmPaths11Layout.h"
#include "support/frmSupport11Layout.h"

namespace corvane::e2e {
namespace {

namespace fs = std::filesystem;

const fs::path kAppNames = L"C:\\CorvaneAppNames.txt";
const fs::path kPaths = L"C:\\CorvanePaths.txt";
const fs::path kAliases = L"C:\\CorvaneAppAlias.txt";
// A place Corvane probes for Access; a new prefix has no such folder, so the test owns it.
const fs::path kOffice = L"C:\\Program Files\\Microsoft Office";
const fs::path kAccess = kOffice / L"Office11" / L"MSAccess.exe";
constexpr std::string_view kAccessQuoted = R"("C:\Program Files\Microsoft Office\Office11\MSAccess.exe")";
// A blank in the folder's name, so that a path left unquoted would fall apart on a command line.
constexpr std::string_view kApps = "C:\\Corvane Test Apps";
const fs::path kAppsFolder{std::string(kApps)};

// CMake hands over paths with forward slashes; the programs should see Windows' own form.
const fs::path kCorvaneExe = fs::path(CORVANE_EXE).make_preferred();
const fs::path kStandInExe = fs::path(STANDIN_EXE).make_preferred();
const fs::path kScreenshots = fs::path(SCREENSHOTS).make_preferred();

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void WriteBytes(const fs::path& path, std::string_view bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

// A settings file as the program writes it: every field in double quotes, single commas, CR LF.
std::string Line(const std::vector<std::string>& fields) {
  std::string line;
  for (const std::string& field : fields) {
    line += (line.empty() ? "\"" : ",\"") + field + "\"";
  }
  return line + "\r\n";
}

// Twips as the screen's pixels; 1440 twips make an inch.
double Pixels(int twips) {
  HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, LOGPIXELSX);
  ::ReleaseDC(nullptr, screen);
  return twips * dpi / 1440.0;
}

RECT Screen() {
  return {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

// The pictures the README shows, in the build's screenshot folder.
std::wstring ScreenshotPath(const wchar_t* name) {
  fs::create_directories(kScreenshots);
  return (kScreenshots / name).wstring();
}

class CorvaneTest : public ::testing::Test {
 protected:
  // The sample settings: slot n's database "Db<n>.mde" in kApps under the caption "Slot <n>", the manuals there too.
  CorvaneTest() {
    for (int n = 1; n <= 11; ++n) {
      names_.push_back("Db" + std::to_string(n) + ".mde");
      paths_.emplace_back(kApps);
      aliases_.push_back("Slot " + std::to_string(n));
    }
    names_.insert(names_.end(), {"Manual1.pdf", "Manual2.pdf", "Title"});
    paths_.insert(paths_.end(), {std::string(kApps), "http://localhost/support.htm"});
  }

  void SetUp() override { Clean(); }
  void TearDown() override { Clean(); }

  // Drive C: as a new installation finds it: no settings, no Access, no databases. The program goes first, so that
  // it holds none of the files.
  void Clean() {
    if (corvane_.IsValid()) {
      ::TerminateProcess(corvane_.Get(), 1);
      HasEnded(kShortWait);
    }
    std::error_code ignored;
    for (const fs::path& path : {kAppNames, kPaths, kAliases, kOffice, kAppsFolder}) {
      fs::remove_all(path, ignored);
    }
  }

  // The stand-in Access in place, and the sample settings in the three files.
  void Install() {
    fs::create_directories(kAccess.parent_path());
    fs::copy_file(kStandInExe, kAccess);
    WriteBytes(kAppNames, Line(names_));
    WriteBytes(kPaths, Line(paths_));
    WriteBytes(kAliases, Line(aliases_));
  }

  void StartCorvane() {
    corvane_ = StartProcess(L"\"" + kCorvaneExe.wstring() + L"\"");
    id_ = ::GetProcessId(corvane_.Get());
  }

  bool HasEnded(Timeout wait = Timeout{0}) const {
    return ::WaitForSingleObject(corvane_.Get(), static_cast<DWORD>(wait.count())) == WAIT_OBJECT_0;
  }

  Form WaitForForm(std::string_view caption, std::span<const ControlSpec> controls, Timeout timeout = kShortWait) {
    if (HWND window = WaitFor([&] { return FindWindowOf(id_, caption); }, timeout)) {
      return Form(window, controls);
    }
    throw std::runtime_error(std::string(caption) + " did not show");
  }

  Form StartLauncher() {
    StartCorvane();
    return WaitForForm("Corvane", kFrmCorvaneControls, kStartWait);
  }

  Form OpenSupport(const Form& launcher) {
    launcher.Click("CmdOpenSupport");
    return WaitForForm("Support11", kFrmSupport11Controls);
  }

  Form OpenEditor(const Form& launcher) {
    OpenSupport(launcher).Click("CmdEditPaths");
    return WaitForForm("Paths11", kFrmPaths11Controls);
  }

  // Db1.mde with these bytes in the first slot, and the support window open with Check1 ticked.
  Form SupportWithFirstSlotTicked(std::string_view database) {
    Install();
    WriteBytes(kAppsFolder / "Db1.mde", database);
    const Form support = OpenSupport(StartLauncher());
    support.Click("Check1");
    if (!WaitFor([&] { return support.IsChecked("Check1"); })) {
      throw std::runtime_error("a click did not tick Check1");
    }
    return support;
  }

  // Checks the message as a person reads it and answers it, then waits until it has gone, so that no later wait
  // finds it again.
  void ExpectMessage(std::string_view text, std::string_view title = "Corvane") {
    const auto box = WaitFor([&] { return FindMessageBox(id_); });
    if (!box) {
      throw std::runtime_error("no message box showed; expected \"" + std::string(text) + "\"");
    }
    EXPECT_EQ(box->title, title);
    EXPECT_EQ(box->text, text);
    Answer(*box, IDOK);
    WaitFor([&] { return !::IsWindow(box->window); });
  }

  // The stand-in Access's log of the command lines it was started with, once it holds `count` (or the time is up).
  std::string AccessLog(std::ptrdiff_t count) const {
    std::string log;
    WaitFor([&] { return std::ranges::count(log = ReadBytes(kAccess.wstring() + L".log"), '\n') >= count; },
            kStartWait);
    return log;
  }

  std::vector<std::string> names_, paths_, aliases_;  // the three files' fields, in file order
  win32::ScopedHandle corvane_;
  DWORD id_ = 0;
};

TEST_F(CorvaneTest, StartUpWithNothingInstalledWarnsOfAccessFirstThenShowsTheDefaultsAtTheRightEdge) {
  StartCorvane();
  ASSERT_TRUE(WaitFor([&] { return FindMessageBox(id_) || FindWindowOf(id_, "Corvane"); }, kStartWait));
  EXPECT_EQ(FindWindowOf(id_, "Corvane"), nullptr) << "the launcher showed before the missing Access message";
  ::Sleep(300);  // let the box paint before the picture
  SaveScreenshot(ScreenshotPath(L"startup-message.png"), Screen());
  ExpectMessage("Can not find MSAccess.exe");

  const Form launcher = WaitForForm("Corvane", kFrmCorvaneControls);
  std::vector<std::string> captions;
  for (int n = 1; n <= 11; ++n) {
    captions.push_back(launcher.Text("CmdOpen" + std::to_string(n)));
  }
  EXPECT_EQ(launcher.Text("tTitle"), "NAME");
  EXPECT_EQ(captions, (std::vector<std::string>{"HLQ", "Billing", "Contracts", "Grades", "Messages", "Promos",
                                                "Purchase", "Quality", "Transcrip", "App10", "App11"}));
  // The frame's right edge 40 twips short of the screen's, to the whole pixel.
  EXPECT_NEAR(Screen().right - RectOf(launcher.handle()).right, Pixels(40), 1.0);
  ::Sleep(500);  // let the launcher paint before the picture
  SaveScreenshot(ScreenshotPath(L"launcher.png"), Screen());
}

TEST_F(CorvaneTest, AButtonOpensItsOwnSlotsDatabaseInAccessWithBothPathsQuoted) {
  Install();
  // The later buttons, whose tab order differs from their order on the screen.
  for (int n : {8, 9, 10}) {
    WriteBytes(kAppsFolder / ("Db" + std::to_string(n) + ".mde"), "database");
  }
  const Form launcher = StartLauncher();
  std::string log;
  for (int n : {8, 9, 10}) {
    launcher.Click("CmdOpen" + std::to_string(n));
    log += std::string(kAccessQuoted) + " \"" + std::string(kApps) + "\\Db" + std::to_string(n) + ".mde\"\r\n";
    EXPECT_EQ(AccessLog(n - 7), log) << "CmdOpen" << n;
  }
}

TEST_F(CorvaneTest, SupportOpensJustLeftOfTheLauncherWithABoxNamedForEachDatabase) {
  Install();
  const Form launcher = StartLauncher();
  const Form support = OpenSupport(launcher);
  for (int n = 1; n <= 11; ++n) {
    EXPECT_EQ(support.Text("Check" + std::to_string(n)), "Db" + std::to_string(n));
  }
  const RECT right = RectOf(launcher.handle());
  const RECT left = RectOf(support.handle());
  EXPECT_NEAR(right.left - left.right, Pixels(40), 1.5) << "40 twips between the frames";
  ::Sleep(500);  // let both windows paint before the picture
  SaveScreenshot(ScreenshotPath(L"support.png"),
                 {left.left, std::min(left.top, right.top), right.right, std::max(left.bottom, right.bottom)});
}

TEST_F(CorvaneTest, AnEditIsSavedByteForByteAndShownAtTheNextStart) {
  Install();
  const Form launcher = StartLauncher();
  const Form editor = OpenEditor(launcher);
  // A letter the ANSI code page holds as one byte, a comma inside a value, and a field of each file.
  editor.Type("cTitle", "Caf\u00e9");
  editor.Type("cAlias2", "Smith, Jones");
  editor.Type("cHLPath3", "D:\\Other Apps");
  ::Sleep(300);  // let the typed texts paint before the picture
  SaveScreenshot(ScreenshotPath(L"editor.png"), RectOf(editor.handle()));
  editor.Click("CmdSaveClose");
  EXPECT_TRUE(WaitFor([&] { return !::IsWindow(editor.handle()); })) << "Close left the editor open";

  names_.back() = "Caf\xE9";
  aliases_[2] = "Smith, Jones";
  paths_[3] = "D:\\Other Apps";
  EXPECT_EQ(ReadBytes(kAppNames), Line(names_));
  EXPECT_EQ(ReadBytes(kPaths), Line(paths_));
  EXPECT_EQ(ReadBytes(kAliases), Line(aliases_));

  launcher.Click("CmdClose");
  ASSERT_TRUE(HasEnded(kShortWait)) << "Exit left the program running";
  const Form restarted = StartLauncher();
  EXPECT_EQ(restarted.Text("tTitle"), "Caf\u00e9");
  EXPECT_EQ(restarted.Text("CmdOpen3"), "Smith, Jones");
}

TEST_F(CorvaneTest, BackupCopiesATickedDatabaseByteForByteUnderTodaysName) {
  std::string database(200000, '\0');
  for (std::size_t index = 0; index < database.size(); ++index) {
    database[index] = static_cast<char>(index * 7919 % 251);
  }
  SupportWithFirstSlotTicked(database).Click("CmdBackup");

  SYSTEMTIME today{};
  ::GetLocalTime(&today);
  const std::string copy = std::string(kApps) + "\\ArcBackup\\Arc" + std::to_string(today.wMonth) +
                           std::to_string(today.wDay) + std::to_string(today.wYear - 2000) + "Db1.mde";
  ExpectMessage("New Copy Is " + copy);
  EXPECT_TRUE(ReadBytes(fs::path(copy)) == database) << "the copy is not the database";
}

TEST_F(CorvaneTest, CompactionReportsBothSizesWhileTheLauncherKeepsAnswering) {
  SupportWithFirstSlotTicked(std::string(4000, 'x')).Click("CmdCompact");
  HWND launcher = FindWindowOf(id_, "Corvane");
  ExpectMessage("Please close Db1.mde\n\rAnd have all other Users Exit this application before proceeding.", "WARNING");
  ExpectMessage("Db1.mde File Size Before Compaction is 4 KB");

  // Until the size after shows, the launcher is asked what any program may ask of it; the stand-in takes 2.5 s.
  int answered = 0;
  int unanswered = 0;
  const auto deadline = std::chrono::steady_clock::now() + kStartWait;
  while (!FindMessageBox(id_) && std::chrono::steady_clock::now() < deadline) {
    DWORD_PTR ignored = 0;
    ++(::SendMessageTimeoutW(launcher, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 250, &ignored) ? answered : unanswered);
    ::Sleep(100);
  }
  EXPECT_EQ(unanswered, 0) << "the launcher took more than 250 ms to answer";
  EXPECT_GE(answered, 5) << "the compaction was over before it could be watched";
  ExpectMessage("Db1.mde File Size After Compaction is 2 KB");
  EXPECT_EQ(AccessLog(1), std::string(kAccessQuoted) + " \"" + std::string(kApps) + "\\Db1.mde\" /compact\r\n");
}

TEST_F(CorvaneTest, CompactionRefusesADatabaseSomeoneHoldsOpenAndStartsNoAccess) {
  const Form support = SupportWithFirstSlotTicked("database");
  // Another program holds the lock file open, as Access does, with one record: computer PC1, user ann.
  WriteBytes(kAppsFolder / "Db1.ldb", std::string("PC1") + std::string(29, '\0') + "ann" + std::string(29, ' '));
  const win32::ScopedHandle held(::CreateFileW((kAppsFolder / "Db1.ldb").c_str(), GENERIC_READ | GENERIC_WRITE,
                                               FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(held.IsValid());
  support.Click("CmdCompact");
  ExpectMessage("Please close Db1.mde\n\rAnd have all other Users Exit this application before proceeding.", "WARNING");
  ExpectMessage("Db1.mde is still open on PC1 (ann). Compaction was not started.", "WARNING");
  EXPECT_FALSE(fs::exists(kAccess.wstring() + L".log")) << "Access was started";
}

// Runs Corvane.exe with options to its end, watching that no window or message box shows meanwhile.
DWORD RunUnattended(const std::wstring& options) {
  const win32::ScopedHandle run = StartProcess(L"\"" + kCorvaneExe.wstring() + L"\" " + options);
  const DWORD id = ::GetProcessId(run.Get());
  while (::WaitForSingleObject(run.Get(), 50) == WAIT_TIMEOUT) {
    EXPECT_FALSE(FindWindowOf(id, "Corvane") || FindMessageBox(id)) << "an unattended run showed a window";
  }
  DWORD code = 0;
  ::GetExitCodeProcess(run.Get(), &code);
  return code;
}

TEST_F(CorvaneTest, AScheduledBackupOfAllSlotsKeepsTheNewestCopiesAndLogsEachStep) {
  Install();
  WriteBytes(kAppsFolder / "Db3.mde", "third");
  const fs::path backups = kAppsFolder / "ArcBackup";
  for (const char* old : {"Arc11126Db3.mde", "Arc1226Db3.mde", "Arc1226Db3.mde.bak"}) {
    WriteBytes(backups / old, "old");
  }
  // The oldest by its time of writing: the one to go when two are kept.
  const HANDLE oldest = ::CreateFileW((backups / "Arc11126Db3.mde").c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
  const FILETIME longAgo{0, 0x01000000};
  ::SetFileTime(oldest, nullptr, nullptr, &longAgo);
  ::CloseHandle(oldest);

  EXPECT_EQ(RunUnattended(L"/backup all /keep 2"), 0u);
  SYSTEMTIME today{};
  ::GetLocalTime(&today);
  const std::string copy = std::string(kApps) + "\\ArcBackup\\Arc" + std::to_string(today.wMonth) +
                           std::to_string(today.wDay) + std::to_string(today.wYear - 2000) + "Db3.mde";
  EXPECT_EQ(ReadBytes(fs::path(copy)), "third");
  EXPECT_FALSE(fs::exists(backups / "Arc11126Db3.mde"));
  EXPECT_TRUE(fs::exists(backups / "Arc1226Db3.mde") && fs::exists(backups / "Arc1226Db3.mde.bak"));
  const std::string log = ReadBytes(backups / "Corvane.log");
  EXPECT_NE(log.find("\tbackup\t" + std::string(kApps) + "\\Db3.mde\tok\t" + copy + "\t5\r\n"), std::string::npos)
      << log;
  EXPECT_NE(log.find("\tdelete\t" + std::string(kApps) + "\\ArcBackup\\Arc11126Db3.mde\tok\r\n"), std::string::npos);
  EXPECT_EQ(std::ranges::count(log, '\n'), 2);

  EXPECT_EQ(RunUnattended(L"/backup 12"), 2u);  // no such slot: nothing is done
  EXPECT_EQ(ReadBytes(backups / "Corvane.log"), log);
}

TEST_F(CorvaneTest, ASecondStartLeavesOneLauncherOnTheScreen) {
  Install();
  const Form launcher = StartLauncher();
  const win32::ScopedHandle second = StartProcess(L"\"" + kCorvaneExe.wstring() + L"\"");
  ASSERT_EQ(::WaitForSingleObject(second.Get(), static_cast<DWORD>(kStartWait.count())), WAIT_OBJECT_0);
  DWORD code = 1;
  ::GetExitCodeProcess(second.Get(), &code);
  EXPECT_EQ(code, 0u);
  EXPECT_TRUE(::IsWindowVisible(launcher.handle()));
}

TEST_F(CorvaneTest, ClosingTheLauncherByItsFrameLeavesTheEditorUntilItsOwnCloseEndsTheProgram) {
  Install();
  const Form launcher = StartLauncher();
  const Form editor = OpenEditor(launcher);
  editor.Type("cAlias0", "Unsaved");

  ::PostMessageW(launcher.handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitFor([&] { return !::IsWindowVisible(launcher.handle()); })) << "the launcher stayed";
  ASSERT_FALSE(HasEnded(Timeout{1000})) << "the program ended under the open editor";
  EXPECT_EQ(FindWindowOf(id_, "Paths11"), editor.handle());
  EXPECT_EQ(editor.Text("cAlias0"), "Unsaved");

  ::PostMessageW(editor.handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(HasEnded(kShortWait)) << "the program went on with no window";
  EXPECT_EQ(ReadBytes(kAliases), Line(aliases_)) << "the close box saved the edit";
}

}  // namespace
}  // namespace corvane::e2e
