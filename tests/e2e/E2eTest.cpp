// The journeys a person makes with the real Corvane.exe that no lower level can show, on the prefix's drive C:.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>
#include <stdexcept>
#include <string>

#include "Driver.h"
#include "launcher/frmCorvaneLayout.h"
#include "platform/win32/WideText.h"
#include "settings/frmPaths11Layout.h"
#include "support/frmRestoreLayout.h"
#include "support/frmSupport11Layout.h"

namespace corvane::e2e {
namespace {

namespace fs = std::filesystem;

const fs::path kAppNames = L"C:\\CorvaneAppNames.txt";
const fs::path kPaths = L"C:\\CorvanePaths.txt";
const fs::path kAliases = L"C:\\CorvaneAppAlias.txt";
const fs::path kLocalCopies = L"C:\\CorvaneLocalCopies.txt";
// A place Corvane probes for Access; a new prefix has no such folder, so the test owns it.
const fs::path kOffice = L"C:\\Program Files\\Microsoft Office";
const fs::path kAccess = kOffice / L"Office11" / L"MSAccess.exe";
const std::string kAccessQuoted = R"("C:\Program Files\Microsoft Office\Office11\MSAccess.exe")";
// A blank in the folder's name, so that a path left unquoted would fall apart on a command line.
const std::string kApps = "C:\\Corvane Test Apps";
const fs::path kAppsFolder = kApps;
// Where a slot without a folder would reach, were "\Db1.mde" taken from the current drive: Corvane starts on C:.
const fs::path kAtTheRoot = L"C:\\Db1.mde";
const fs::path kBackupsAtTheRoot = L"C:\\ArcBackup";

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

double Pixels(int twips) {
  return twips * ::GetDpiForSystem() / 1440.0;
}

RECT Screen() {
  return {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

// One of the pictures the README shows, taken once the windows have had time to paint.
void Screenshot(const wchar_t* name, const RECT& area) {
  ::Sleep(500);
  fs::create_directories(kScreenshots);
  SaveScreenshot((kScreenshots / name).wstring(), area);
}

std::string TodaysBackupOf(const std::string& database) {
  SYSTEMTIME today{};
  ::GetLocalTime(&today);
  return kApps + "\\ArcBackup\\Arc" + std::to_string(today.wMonth) + std::to_string(today.wDay) +
         std::to_string(today.wYear - 2000) + database;
}

// A stand-in's log of the command lines it was started with, once it holds one (or the time is up).
std::string LogOf(const fs::path& standIn) {
  std::string log;
  WaitFor([&] { return (log = ReadBytes(standIn.wstring() + L".log")).ends_with('\n'); }, kStartWait);
  return log;
}

// The line a stand-in logs when started on `document`, built by appending (g++ 12 misreads a chain of + here).
std::string StartedOn(const fs::path& program, std::string_view options, const std::string& document) {
  std::string line = "\"";
  line.append(program.string()).append("\" ").append(options).append("\"").append(document).append("\"\r\n");
  return line;
}

// Where this user's local copies go by default: %LOCALAPPDATA%\Corvane.
fs::path LocalCopies() {
  return fs::path(_wgetenv(L"LOCALAPPDATA")) / L"Corvane";
}

// What Windows is told of installed programs, in the prefix's registry; the test's keys go when it ends.
const std::wstring kAccessAppPath = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\MSACCESS.EXE";
// Where Access 2016 and later keep a user's trusted locations; the prefix has no Office of its own.
const std::wstring kOfficeSettings = L"Software\\Microsoft\\Office";
const std::wstring kTrustedCopies = kOfficeSettings + L"\\16.0\\Access\\Security\\Trusted Locations\\Corvane";

// A text value of the current user's registry; empty where there is none.
std::wstring UserText(const std::wstring& key, const wchar_t* name) {
  wchar_t text[512] = L"";
  DWORD bytes = sizeof text;
  ::RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_SZ, nullptr, text, &bytes);
  return text;
}

void SetUserText(const std::wstring& key, const wchar_t* name, DWORD type, const std::wstring& value) {
  ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), name, type, value.c_str(),
                              static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
            ERROR_SUCCESS);
}

// Runs Corvane.exe with these options until it ends (or shows a window, or kStartWait passes); returns its exit code.
DWORD RunWithoutWindows(const std::wstring& options) {
  const win32::ScopedHandle run = StartProcess(L"\"" + kCorvaneExe.wstring() + L"\"" + options);
  const DWORD id = ::GetProcessId(run.Get());
  bool shown = false;
  const auto ended = [&] { return ::WaitForSingleObject(run.Get(), 0) == WAIT_OBJECT_0; };
  WaitFor([&] { return (shown = !VisibleTopWindowsOf(id).empty()) || ended(); }, kStartWait);
  EXPECT_FALSE(shown) << "a window showed";
  DWORD code = 0;
  ::GetExitCodeProcess(run.Get(), &code);
  ::TerminateProcess(run.Get(), 1);
  return code;
}

class CorvaneTest : public ::testing::Test {
 protected:
  // Drive C: as a new installation finds it, before and after; the program ends first, so that it holds no file.
  void SetUp() override { TearDown(); }
  void TearDown() override {
    if (corvane_.IsValid()) {
      ::TerminateProcess(corvane_.Get(), 1);
      HasEnded(kShortWait);
    }
    std::error_code ignored;
    for (const fs::path& path : {kAppNames, kPaths, kAliases, kLocalCopies, kOffice, kAppsFolder, kAtTheRoot,
                                 kBackupsAtTheRoot, LocalCopies()}) {
      fs::remove_all(path, ignored);
    }
    for (const std::wstring& key : {kAccessAppPath, kOfficeSettings}) {
      ::RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
    }
  }

  // The stand-in Access, and settings as the program writes them: slot n is "Db<n>.mde" in kApps, "Slot <n>".
  void Install(const fs::path& access = kAccess) {
    fs::create_directories(access.parent_path());
    fs::copy_file(kStandInExe, access);
    std::string names, paths, aliases;
    for (int n = 1; n <= 11; ++n) {
      names += "\"Db" + std::to_string(n) + ".mde\",";
      paths += "\"" + kApps + "\",";
      aliases += (n == 1 ? "\"Slot " : ",\"Slot ") + std::to_string(n) + "\"";
    }
    WriteBytes(kAppNames, names + "\"Manual1.pdf\",\"Manual2.pdf\",\"Title\"\r\n");
    WriteBytes(kPaths, paths + "\"" + kApps + "\",\"http://localhost/support.htm\"\r\n");
    WriteBytes(kAliases, aliases + "\r\n");
  }

  void StartCorvane() {
    corvane_ = StartProcess(L"\"" + kCorvaneExe.wstring() + L"\"");
    id_ = ::GetProcessId(corvane_.Get());
  }

  bool HasEnded(Timeout wait) const {
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

  // Reads the message (its prompt is control 0xFFFF), answers it and waits until it has gone, as a person would.
  void ExpectMessage(std::string_view text, std::string_view title = "Corvane", int answer = IDOK) {
    HWND box = WaitFor([&] { return FindMessageBox(id_); });
    if (box == nullptr) {
      throw std::runtime_error("no message box showed; expected \"" + std::string(text) + "\"");
    }
    EXPECT_EQ(TextOf(box), title);
    EXPECT_EQ(TextOf(::GetDlgItem(box, 0xFFFF)), text);
    // Posted: the box's own modal loop takes the answer, and the test never blocks on the program.
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
    WaitFor([&] { return !::IsWindow(box); });
  }

  win32::ScopedHandle corvane_;
  DWORD id_ = 0;
};

// A second start leaves the one launcher, whose support window opens at its left.
TEST_F(CorvaneTest, StartUpWithNothingInstalledWarnsOfAccessFirstThenShowsTheOneLauncherAtTheRightEdge) {
  StartCorvane();
  ASSERT_TRUE(WaitFor([&] { return FindMessageBox(id_) || FindWindowOf(id_, "Corvane"); }, kStartWait));
  EXPECT_EQ(FindWindowOf(id_, "Corvane"), nullptr) << "the launcher showed before the missing Access message";
  Screenshot(L"startup-message.png", Screen());
  ExpectMessage("Can not find MSAccess.exe");

  const Form launcher = WaitForForm("Corvane", kFrmCorvaneControls);
  const RECT right = RectOf(launcher.handle());
  // The frame's right edge 40 twips short of the screen's, to the whole pixel.
  EXPECT_NEAR(Screen().right - right.right, Pixels(40), 1.0);
  Screenshot(L"launcher.png", Screen());
  EXPECT_EQ(RunWithoutWindows({}), 0u);
  EXPECT_TRUE(::IsWindowVisible(launcher.handle()));
  const RECT left = RectOf(OpenSupport(launcher).handle());
  EXPECT_NEAR(right.left - left.right, Pixels(40), 1.5) << "40 twips between the frames";
  Screenshot(L"support.png",
             {left.left, std::min(left.top, right.top), right.right, std::max(left.bottom, right.bottom)});
}

// Names saved by Notepad as "Unicode", a hidden folders' file and a hidden backup folder serve as any other.
TEST_F(CorvaneTest, ATickedDatabaseIsCopiedAndCompactedOnlyWhenNoOneHoldsItWhileTheLauncherKeepsAnswering) {
  Install();
  std::string names = ReadBytes(kAppNames), utf16 = "\xFF\xFE";
  for (const char c : names.replace(names.rfind("Title"), 5, "Caf\xE9")) {
    utf16 += {c, '\0'};  // every byte of it is a Latin-1 letter
  }
  WriteBytes(kAppNames, utf16);
  ::SetFileAttributesW(kPaths.c_str(), FILE_ATTRIBUTE_HIDDEN);
  std::string database(200000, '\0');
  std::iota(database.begin(), database.end(), '\0');  // every byte value, over and over
  WriteBytes(kAppsFolder / "Db1.mde", database);
  fs::create_directories(kAppsFolder / "ArcBackup");
  ::SetFileAttributesW((kAppsFolder / "ArcBackup").c_str(), FILE_ATTRIBUTE_HIDDEN);
  const Form launcher = StartLauncher();
  EXPECT_EQ(launcher.Text("tTitle"), "Caf\u00e9");
  const Form support = OpenSupport(launcher);
  support.Click("Check1");
  support.Click("CmdBackup");
  ExpectMessage("New Copy Is " + TodaysBackupOf("Db1.mde"));
  EXPECT_TRUE(ReadBytes(TodaysBackupOf("Db1.mde")) == database) << "the copy is not the database";
  EXPECT_TRUE(WaitFor([&] { return support.Text("LastBackup1") == "today"; }));
  // A second backup the same day asks first: No keeps the copy as it is, Yes replaces it.
  const std::string copy = TodaysBackupOf("Db1.mde");
  const std::string question = copy.substr(copy.rfind('\\') + 1) + " Exists. Do You Want To Replace It?";
  WriteBytes(copy, "this morning's");
  support.Click("CmdBackup");
  ExpectMessage(question, "WARNING", IDNO);
  EXPECT_EQ(ReadBytes(copy), "this morning's");
  support.Click("CmdBackup");
  ExpectMessage(question, "WARNING", IDYES);
  ExpectMessage("Replace Copy Done");
  EXPECT_TRUE(ReadBytes(copy) == database) << "Yes did not replace the copy";

  const std::string warning =
      "Please close Db1.mde\n\rAnd have all other Users Exit this application before proceeding.";
  // Until the size after shows, the launcher is asked what any program may ask of it; the stand-in takes 2.5 s.
  support.Click("CmdCompact");
  ExpectMessage(warning, "WARNING");
  ExpectMessage("Db1.mde File Size Before Compaction is 200 KB");
  // Meanwhile the windows take no click, not even one a program sends: a second compaction cannot start.
  // The copy of the original is made first, so the windows go out of reach a moment after the message.
  EXPECT_TRUE(WaitFor([&] { return !::IsWindowEnabled(launcher.handle()) && !::IsWindowEnabled(support.handle()); }))
      << "a window still takes clicks";
  support.Click("CmdCompact");
  int answered = 0;
  for (DWORD_PTR ignored = 0; !FindMessageBox(id_) && answered < 100; ::Sleep(100), ++answered) {
    EXPECT_TRUE(::SendMessageTimeoutW(launcher.handle(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 250, &ignored))
        << "the launcher took more than 250 ms to answer";
  }
  EXPECT_GE(answered, 5) << "the compaction was over before it could be watched";
  ExpectMessage("Db1.mde File Size After Compaction is 100 KB");
  EXPECT_TRUE(ReadBytes(kAppsFolder / "ArcBackup" / "PreCompact_Db1.mde") == database) << "no copy of the original";
  EXPECT_FALSE(fs::exists(kAppsFolder / "ArcBackup" / "Compacting_Db1.mde"));
  EXPECT_EQ(LogOf(kAccess), kAccessQuoted + " \"" + kApps + "\\Db1.mde\" /compact\r\n");
  EXPECT_EQ(WaitFor([&] { return FindMessageBox(id_); }, Timeout{500}), nullptr) << "a second compaction began";
}

// Corvane is ended while Access works, Access spoils the database after, and the next click puts it back first;
// meanwhile a scheduled backup keeps away, as another Corvane holds the marker, and then as Access still has the
// database.
TEST_F(CorvaneTest, ACompactionThatRuinsTheDatabaseIsUndoneAlsoWhenCorvaneWasEndedWhileAccessWorked) {
  Install();
  const std::string database = std::string(4, '\0') + "Standard Jet DB" + std::string(4077, 'j');
  const fs::path db = kAppsFolder / "Db1.mde", arc = kAppsFolder / "ArcBackup", marker = arc / "Compacting_Db1.mde";
  WriteBytes(db, database);
  WriteBytes(kAccess.wstring() + L".mode", "overwrite 5");
  const Form support = OpenSupport(StartLauncher());
  support.Click("Check1");
  support.Click("CmdCompact");
  ExpectMessage("Please close Db1.mde\n\rAnd have all other Users Exit this application before proceeding.", "WARNING");
  ExpectMessage("Db1.mde File Size Before Compaction is 4.096 KB");
  LogOf(kAccess);                              // Access is at work
  const std::string text = ReadBytes(marker);  // "<computer>\t<user>\t<YYYY-MM-DD HH:MM>"
  const std::size_t tab = text.find('\t'), second = text.find('\t', tab + 1);
  ASSERT_NE(second, std::string::npos) << text;
  const std::string by = text.substr(tab + 1, second - tab - 1) + " on " + text.substr(0, tab);
  for (int ended = 0; ended < 2; ++ended) {
    if (ended == 1) {
      ::TerminateProcess(corvane_.Get(), 1);
      ASSERT_TRUE(HasEnded(kShortWait));
    }
    EXPECT_EQ(RunWithoutWindows(L" /backup 1"), 1u);
    EXPECT_TRUE(ReadBytes(arc / "Corvane.log").ends_with("\tskipped: being compacted by " + by + "\r\n")) << ended;
  }
  ASSERT_TRUE(WaitFor([&] { return ReadBytes(db).starts_with("ruined"); }, Timeout{10000})) << "not spoilt";
  fs::remove(kAccess.wstring() + L".log");
  StartLauncher().Click("CmdOpen1");
  ExpectMessage("A compaction of Db1.mde begun by " + by + " at " + text.substr(text.size() - 5) +
                    " did not finish, and the database was no longer an Access database afterwards. The database was "
                    "restored from the copy taken before compaction.",
                "WARNING");
  EXPECT_EQ(LogOf(kAccess), kAccessQuoted + " \"" + kApps + "\\Db1.mde\"\r\n");
  EXPECT_TRUE(ReadBytes(db) == database) << "not restored";
  EXPECT_TRUE(ReadBytes(arc / "FailedCompact_Db1.mde").starts_with("ruined by a crash"));
  EXPECT_FALSE(fs::exists(marker));
}

// The restore window lists three dated copies and the safety copy, newest first; restoring the second puts its bytes
// in place and keeps the database as it was.
TEST_F(CorvaneTest, TheRestoreWindowListsTheCopiesNewestFirstAndPutsTheChosenOneBack) {
  Install();
  const fs::path arc = kAppsFolder / "ArcBackup";
  WriteBytes(kAppsFolder / "Db1.mde", "today's database");
  for (const char* name : {"Arc4310Db1.mde", "Arc123112Db1.mde", "Arc43011Db1.mde", "PreCompact_Db1.mde"}) {
    WriteBytes(arc / name, name);
  }
  // Slot 2 was backed up today, slot 3 never: only slot 3 is overdue, so red.
  WriteBytes(TodaysBackupOf("Db2.mde"), "today's");
  WriteBytes(kAppsFolder / "Db2.mde", "second");
  WriteBytes(kAppsFolder / "Db3.mde", "third");
  const Form support = OpenSupport(StartLauncher());
  const auto red = [&](const char* label) {
    const RECT area = RectOf(support.Control(label));
    const HDC screen = ::GetDC(nullptr);
    bool found = false;
    for (LONG x = area.left; x < area.right && !found; ++x) {
      for (LONG y = area.top; y < area.bottom && !found; ++y) {
        found = ::GetPixel(screen, x, y) == RGB(255, 0, 0);
      }
    }
    ::ReleaseDC(nullptr, screen);
    return found;
  };
  ASSERT_TRUE(WaitFor([&] { return support.Text("LastBackup3") == "never"; }));
  EXPECT_TRUE(support.Text("LastBackup2") == "today" && !red("LastBackup2") && red("LastBackup3"));
  support.Click("Check1");
  support.Click("CmdRestore");
  // Escape, as the dialog manager sends it, closes the window; it opens again as it was.
  ::PostMessageW(WaitForForm("Restore Db1.mde", kFrmRestoreControls).handle(), WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(WaitFor([&] { return FindWindowOf(id_, "Restore Db1.mde") == nullptr; }));
  support.Click("CmdRestore");
  const Form restore = WaitForForm("Restore Db1.mde", kFrmRestoreControls);
  const HWND list = restore.Control("ListCopies");
  std::vector<std::string> lines(static_cast<std::size_t>(::SendMessageW(list, LB_GETCOUNT, 0, 0)));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::wstring line(static_cast<std::size_t>(::SendMessageW(list, LB_GETTEXTLEN, i, 0)), L'\0');
    ::SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line.data()));
    lines[i] = win32::Narrow(line);
  }
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_TRUE(lines[0].ends_with(" KB   Arc123112Db1.mde") && lines[1].ends_with(" KB   Arc43011Db1.mde") &&
              lines[2].ends_with(" KB   Arc4310Db1.mde") && lines[3].ends_with(" KB   before the last compaction"))
      << lines[0] << "|" << lines[1] << "|" << lines[2] << "|" << lines[3];
  ::SendMessageW(list, LB_SETCURSEL, 1, 0);
  Screenshot(L"restore.png", RectOf(restore.handle()));
  ::PostMessageW(restore.handle(), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(list), LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(list));
  const SYSTEMTIME chosen{2011, 4, 0, 30, 0, 0, 0, 0};
  wchar_t date[80] = {};
  ::GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &chosen, nullptr, date, 80, nullptr);
  ExpectMessage("Replace Db1.mde with its copy of " + win32::Narrow(date) +
                    "? The database as it is now will be kept as ArcBackup\\BeforeRestore_Db1.mde.",
                "WARNING", IDYES);
  ExpectMessage("Db1.mde was restored from its copy of " + win32::Narrow(date) +
                ". The database as it was is kept at " + kApps + "\\ArcBackup\\BeforeRestore_Db1.mde.");
  EXPECT_EQ(ReadBytes(kAppsFolder / "Db1.mde"), "Arc43011Db1.mde");
  EXPECT_EQ(ReadBytes(arc / "BeforeRestore_Db1.mde"), "today's database");
}

// Slot 1's folder is missing from the Paths file: were "\Db1.mde" taken from the current drive, it would reach C:.
TEST_F(CorvaneTest, AScheduledBackupShowsNothingKeepsTheNewestCopiesAndASlotWithoutAFolderReachesNothing) {
  Install();
  WriteBytes(kPaths, ReadBytes(kPaths).replace(0, kApps.size() + 2, "\"\""));
  WriteBytes(kAtTheRoot, "not Corvane's");
  ::SetCurrentDirectoryW(L"C:\\");  // which the programs started here take for theirs
  WriteBytes(kAppsFolder / "Db3.mde", "third");
  const fs::path backups = kAppsFolder / "ArcBackup";
  // Copies of 3 April 2010 and 30 April 2011, never today's; the older was opened, so written, last.
  WriteBytes(backups / "Arc43011Db3.mde", "old");
  fs::last_write_time(backups / "Arc43011Db3.mde", fs::file_time_type::clock::now() - std::chrono::hours(24 * 365));
  WriteBytes(backups / "Arc4310Db3.mde", "old");
  EXPECT_EQ(RunWithoutWindows(L" /backup all /keep 2"), 0u);
  const std::string copy = TodaysBackupOf("Db3.mde");
  EXPECT_EQ(ReadBytes(copy), "third");
  EXPECT_FALSE(fs::exists(backups / "Arc4310Db3.mde"));
  EXPECT_TRUE(fs::exists(backups / "Arc43011Db3.mde"));
  const std::string log = ReadBytes(backups / "Corvane.log");
  EXPECT_NE(log.find("\tbackup\t" + kApps + "\\Db3.mde\tok\t" + copy + "\t5\r\n"), std::string::npos) << log;
  EXPECT_EQ(std::ranges::count(log, '\n'), 2);
  EXPECT_EQ(RunWithoutWindows(L" /backup 1"), 1u);
  EXPECT_FALSE(fs::exists(kBackupsAtTheRoot));
  EXPECT_EQ(ReadBytes(kAtTheRoot), "not Corvane's");
}

// The master sits on the "server" (kApps); each click brings this PC's copy up to date, and opens it also when the
// server has gone. Access is one that only Windows' registration knows of (its install places are the host's to
// prove), in a folder of Office 16: the first click makes the copies' folder a trusted location of it; later ones
// leave it be.
TEST_F(CorvaneTest, ATickedSlotRunsThisPcsCopyOfTheMasterKeepsItCurrentAndTrustsItsFolder) {
  const fs::path access = kAppsFolder / L"Elsewhere" / L"Office16" / L"MSACCESS.EXE";
  Install(access);
  SetUserText(kAccessAppPath, nullptr, REG_EXPAND_SZ,
              L"\"%SystemDrive%\\Corvane Test Apps\\Elsewhere\\Office16\\MSACCESS.EXE\"");
  WriteBytes(
      kLocalCopies,
      "\"Yes\",\"No\",\"No\",\"No\",\"No\",\"No\",\"No\",\"No\",\"No\",\"No\",\"No\",\"%LOCALAPPDATA%\\Corvane\"\r\n");
  const fs::path master = kAppsFolder / "Db1.mde", local = LocalCopies() / "App1" / "Db1.mde";
  const Form launcher = StartLauncher();
  for (const char* version : {"first version", "second version, longer", ""}) {
    if (*version != '\0') {
      WriteBytes(master, version);
    } else {
      fs::remove(master);
    }
    fs::remove(access.wstring() + L".log");
    launcher.Click("CmdOpen1");
    EXPECT_EQ(LogOf(access), StartedOn(access, "", local.string())) << version;
    EXPECT_EQ(ReadBytes(local), *version != '\0' ? version : "second version, longer");
    EXPECT_EQ(FindMessageBox(id_), nullptr) << version;
    EXPECT_EQ(UserText(kTrustedCopies, L"Path"), (LocalCopies() / L"").wstring()) << version;
    if (*version == 'f') {
      EXPECT_EQ(UserText(kTrustedCopies, L"Description"), L"Corvane local copies");
      EXPECT_NE(UserText(kTrustedCopies, L"Date"), L"");
      SetUserText(kTrustedCopies, L"Date", REG_SZ, L"as first written");  // a rewrite within the second shows
    }
    EXPECT_EQ(UserText(kTrustedCopies, L"Date"), L"as first written") << version;
  }
  const Form editor = OpenEditor(launcher);  // the README's picture, with a local copy ticked
  Screenshot(L"editor.png", RectOf(editor.handle()));
}

}  // namespace
}  // namespace corvane::e2e
