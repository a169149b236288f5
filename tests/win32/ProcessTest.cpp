// The backend against the real system, beside its files: programs started and their command lines, a compaction
// marker held by this process or another, the claim of the launcher, forms from layout tables, what Windows says of
// programs (from keys the test writes into the prefix's registry; the environment is proven by the journey that
// expands %SystemDrive%) and the version resource of the built Corvane.exe. The test program doubles as the child:
// with --child=PATH it waits half a second, then writes its own path to PATH, so the report is there at the return
// only when the start waited for the child's end; with --launcher=FOLDER it is a start of the launcher
// (LauncherStart); with --hold=PATH it holds PATH open as Access holds a lock file, until it is ended; with
// --replace=FOLDER it replaces a file in FOLDER again and again, until it is ended.
#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>

#include "TestFiles.h"
#include "VersionTestConfig.h"
#include "launcher/frmCorvaneLayout.h"
#include "locate/ExternalPrograms.h"
#include "platform/Layout.h"
#include "platform/ReplaceViaScratch.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32Window.h"
#include "settings/frmPaths11Layout.h"
#include "support/frmSupport11Layout.h"

// after windows.h, which they need
#include <shellapi.h>
#include <winver.h>

namespace corvane::win32::test {
namespace {

TEST(ProcessTest, AMissingProgramThrowsAPathWithABlankIsNeverCutAndADocumentIsOneArgumentOfTheCommandLine) {
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
  // A document path reaches the started program as one argument, unchanged, as the program's runtime splits it.
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

// What a safe compaction asks of the system: a drive's name and free space, and a marker that others may read but
// not change while it is held, by this process or another, and that is stale once no process holds it.
TEST(CompactionTest, AVolumeAsWindowsNamesItAndAHeldMarkerThatIsStaleOnceNoProcessHoldsIt) {
  TempFolder folder;
  Win32Platform platform;
  const Volume volume = platform.VolumeOf(folder / "App1.mde");  // a database not there yet has a volume too
  EXPECT_EQ(volume.name, folder.path.substr(0, 2));
  EXPECT_NEAR(double(volume.freeBytes), double(std::filesystem::space(folder.path).available), 200e6);
  EXPECT_EQ(platform.VolumeOf("Z:\\tmp").name, "Z:");
  // A share is on the network; the test's own folder and Wine's root drive are not.
  EXPECT_TRUE(platform.OnNetwork("\\\\server\\share\\Copies") && !platform.OnNetwork(folder.path) &&
              !platform.OnNetwork("Z:\\tmp"));
  const std::string marker = folder / "Compacting_App1.mde";
  EXPECT_FALSE(platform.HeldAgainstDeletion(marker));  // absent
  auto held = platform.CreateHeldFile(marker, "PC1\tann\t2026-12-05 01:30");
  EXPECT_TRUE(platform.HeldAgainstDeletion(marker));
  EXPECT_EQ(platform.ReadBytes(marker, 100), "PC1\tann\t2026-12-05 01:30");
  EXPECT_THROW(platform.DeleteFile(marker), PlatformError);
  EXPECT_THROW(platform.CreateHeldFile(marker, "another"), PlatformError);
  EXPECT_FALSE(std::ofstream(marker, std::ios::app).is_open());
  held.reset();
  EXPECT_FALSE(platform.HeldAgainstDeletion(marker));
  // Another process holds it as Access holds its lock file, sharing no deletion.
  const ScopedHandle holder = StartHolding(marker);
  EXPECT_TRUE(Eventually([&] { return platform.HeldAgainstDeletion(marker); }));
  ::TerminateProcess(holder.Get(), 0);
  ::WaitForSingleObject(holder.Get(), 5000);
  EXPECT_FALSE(platform.HeldAgainstDeletion(marker));
}

// A form made from `layout` and shown; it records what it hears, and a click on CmdGo unloads the form during the
// event, as Exit does.
struct ShownForm : EventSink {
  ShownForm(Win32Desktop& platform, const FormLayout& layout) : form(platform.CreateForm(layout, *this, nullptr)) {
    form->Show();
  }
  void OnEvent(std::string_view control, Event event) noexcept override {
    heard.emplace_back(control, event);
    if (control == "CmdGo") {
      form.reset();
    }
  }
  HWND Handle() const { return dynamic_cast<Win32Window&>(*form).handle(); }
  std::vector<std::pair<std::string, Event>> heard;
  std::unique_ptr<Window> form;
};

const wchar_t kGo[] = L"Local\\CorvaneTest.Go", kRelease[] = L"Local\\CorvaneTest.Release";

// Once told to go, claims the launcher, noting each step in FOLDER\steps. The claimant shows its window a second late,
// as a slow start-up would, and once told lets the claim go but stays on, as a process with its editor open does.
int LauncherStart(const std::string& folder) {
  const auto note = [&](const char* step) {
    std::ofstream(folder + "\\steps", std::ios::app | std::ios::binary) << step << '\n';
  };
  ::WaitForSingleObject(ScopedHandle(::OpenEventW(SYNCHRONIZE, FALSE, kGo)).Get(), 10000);
  Win32Desktop platform;
  if (const LauncherClaim claim = platform.ClaimLauncher(); claim != LauncherClaim::Ours) {
    note(claim == LauncherClaim::Running ? "deferred" : "deferred, the rights differing");
    return 0;
  }
  note("claimed");
  ::Sleep(1000);
  ShownForm launcher(platform, kFrmCorvaneLayout);
  ::WaitForSingleObject(ScopedHandle(::OpenEventW(SYNCHRONIZE, FALSE, kRelease)).Get(), 10000);
  platform.ReleaseLauncher();
  note("released");
  ::Sleep(3000);
  return 0;
}

TEST(LauncherClaim, OfTwoStartsTogetherOneRunsAndTheOtherEndsOnceItsWindowShowsAndAClosedLauncherFreesIt) {
  TempFolder folder;
  Win32Platform platform;
  const ScopedHandle go(::CreateEventW(nullptr, TRUE, FALSE, kGo)),
      release(::CreateEventW(nullptr, TRUE, FALSE, kRelease));
  const std::string commandLine = std::string("\"").append(ThisProgram()).append("\" --launcher=") + folder.path;
  const auto start = [&] { platform.StartProgram(ThisProgram(), commandLine, Wait::No); };
  const auto steps = [&] { return ReadBytes(folder / "steps"); };
  start();
  start();
  const ULONGLONG went = ::GetTickCount64();
  ::SetEvent(go.Get());
  EXPECT_TRUE(Eventually([&] { return steps().starts_with("claimed\ndeferred\n"); })) << steps();
  EXPECT_GE(::GetTickCount64() - went, 900u) << "the start ended before the launcher's window showed";
  // The launcher closed, its process stays on, and the next start runs a launcher.
  ::SetEvent(release.Get());
  start();
  EXPECT_TRUE(Eventually([&] { return steps().starts_with("claimed\ndeferred\nreleased\nclaimed\n"); })) << steps();
}

// Table order, tab order and top-to-bottom order differ on purpose; a label takes no tab stop, whatever its index.
constexpr ControlSpec kControls[] = {
    {.name = "tName", .kind = ControlKind::TextBox, .rect = {100, 100, 1500, 300}, .tab = 2},
    {.name = "lblName", .kind = ControlKind::Label, .text = "Name", .rect = {100, 500, 1500, 300}, .tab = 3},
    {.name = "CmdGo", .kind = ControlKind::Button, .text = "Go", .rect = {100, 900, 1500, 360}, .tab = 0},
    {.name = "Check1", .kind = ControlKind::CheckBox, .text = "One", .rect = {100, 1300, 1500, 300}, .tab = 1},
};
constexpr FormLayout kLayout{.name = "frmTest", .caption = "Test", .client = {0, 0, 1700, 1700}, .controls = kControls};

// Two clicks of the mouse, as a person makes them, at a point of the screen.
void DoubleClickAt(POINT point) {
  ::SetCursorPos(point.x, point.y);
  INPUT clicks[4] = {};
  for (int i = 0; i < 4; ++i) {
    clicks[i].type = INPUT_MOUSE;
    clicks[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  }
  ::SendInput(4, clicks, sizeof(INPUT));
}

// Controls tab by index under their ids, and clicks reach the sink by name, even one that unloads the form. Then the
// three places the windows listen for a double-click: two text boxes, which select a word first, and a frame, which is
// no window of its own to the mouse, so that its form must find it under the pointer.
TEST(FormTest, TabsClicksAndRealDoubleClicksReachTheSinkByName) {
  Win32Desktop platform;
  ShownForm shown(platform, kLayout);
  HWND window = shown.Handle();
  std::vector<int> ids;
  for (HWND control = ::GetDlgItem(window, ControlIdOf(0)); ids.size() < 4; ids.push_back(::GetDlgCtrlID(control))) {
    control = ::GetNextDlgTabItem(window, control, FALSE);
  }
  EXPECT_EQ(ids, (std::vector<int>{ControlIdOf(2), ControlIdOf(3), ControlIdOf(0), ControlIdOf(2)}));
  ::SendMessageW(::GetDlgItem(window, ControlIdOf(3)), BM_CLICK, 0, 0);
  EXPECT_TRUE(shown.form->IsChecked("Check1"));
  ::SendMessageW(::GetDlgItem(window, ControlIdOf(2)), BM_CLICK, 0, 0);
  EXPECT_EQ(shown.heard,
            (std::vector<std::pair<std::string, Event>>{{"Check1", Event::Click}, {"CmdGo", Event::Click}}));
  EXPECT_FALSE(::IsWindow(window));
  for (const auto& [layout, control] : {std::pair<const FormLayout*, std::string_view>{&kFrmCorvaneLayout, "tTitle"},
                                        {&kFrmPaths11Layout, "pTitle"},
                                        {&kFrmSupport11Layout, "Frame1"}}) {
    ShownForm target(platform, *layout);
    const auto row = std::ranges::find(layout->controls, control, &ControlSpec::name) - layout->controls.begin();
    RECT rect{};
    ::GetWindowRect(::GetDlgItem(target.Handle(), ControlIdOf(static_cast<int>(row))), &rect);
    // Inside a frame's right edge, where none of its check boxes reaches; in the middle of a box.
    const bool frame = control.starts_with("Frame");
    const POINT point{frame ? rect.right - 6 : (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    const std::pair<std::string, Event> expected{control, Event::DblClick};
    // A window just shown may take the first click as its activation under Wine: a person would click again.
    for (int wait = 0; wait < 150 && std::ranges::find(target.heard, expected) == target.heard.end(); ++wait) {
      if (wait % 50 == 10) {
        DoubleClickAt(point);
      }
      for (MSG message; ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
        ::DispatchMessageW(&message);
      }
      ::Sleep(20);
    }
    EXPECT_NE(std::ranges::find(target.heard, expected), target.heard.end()) << control;
  }
}

// A key the test makes in the registry view `view` with a default value, its own or its `subkey`'s, gone with
// everything under it at the end.
struct TestKey {
  TestKey(HKEY root, std::wstring path, DWORD type, const std::wstring& value, const std::wstring& subkey = {},
          REGSAM view = 0)
      : root(root), path(std::move(path)), view(view) {
    HKEY key = nullptr;
    EXPECT_EQ(::RegCreateKeyExW(root, (subkey.empty() ? this->path : this->path + L"\\" + subkey).c_str(), 0, nullptr,
                                0, KEY_SET_VALUE | view, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(::RegSetKeyValueW(ScopedRegistryKey(key).Get(), nullptr, nullptr, type, value.c_str(),
                                static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
  }
  ~TestKey() {
    ::RegDeleteTreeW(root, path.c_str());
    ::RegDeleteKeyExW(root, path.c_str(), view, 0);  // in the 32-bit view, which the line above does not reach
  }
  HKEY root;
  std::wstring path;
  REGSAM view;
};

// /register names this program's file for the source's messages, with the three kinds it may write; an event then
// goes to the log. The prefix's registry is the test's own.
TEST(RegistrationTest, TheEventSourceIsRegisteredWithItsMessagesAndAnEventIsWritten) {
  Win32Platform platform;
  const wchar_t key[] = L"SYSTEM\\CurrentControlSet\\Services\\EventLog\\Application\\Corvane";
  platform.RegisterEventSource();
  wchar_t file[MAX_PATH] = {};
  DWORD types = 0, fileSize = sizeof file, typesSize = sizeof types;
  EXPECT_EQ(::RegGetValueW(HKEY_LOCAL_MACHINE, key, L"EventMessageFile", RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr,
                           file, &fileSize),
            ERROR_SUCCESS);
  EXPECT_EQ(::RegGetValueW(HKEY_LOCAL_MACHINE, key, L"TypesSupported", RRF_RT_REG_DWORD, nullptr, &types, &typesSize),
            ERROR_SUCCESS);
  EXPECT_TRUE(platform.SameFileName(Narrow(file), ThisProgram()) && types == 7) << Narrow(file) << " " << types;
  EXPECT_NO_THROW(platform.ReportEvent(EventKind::Warning, "2026-12-05 02:00:00\tbackup\tC:\\Apps\\App1.mde\tskipped"));
  ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, key);
}

TEST(RegistrationTest, AppPathsComeAsStoredUserFirstAndFromTheThirtyTwoBitViewAndAMadeUpTypeOpensWithItsProgram) {
  Win32Platform platform;
  const std::wstring stamp = std::to_wstring(::GetTickCount64());
  const std::string name = "CorvaneTest" + Narrow(stamp) + ".EXE", type = ".corvane" + Narrow(stamp);
  EXPECT_TRUE(platform.AppPathRegistrations(name).empty() && !platform.AssociationOf(type));
  const std::wstring appPaths = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + Widen(name);
  const TestKey user(HKEY_CURRENT_USER, appPaths, REG_EXPAND_SZ, L"\"%ProgramFiles%\\Tools\\Access.exe\"");
  const TestKey machine(HKEY_LOCAL_MACHINE, appPaths, REG_SZ, L"D:\\Old\\MSACCESS.EXE", {}, KEY_WOW64_32KEY);
  EXPECT_EQ(platform.AppPathRegistrations(name),
            (std::vector<std::string>{"\"%ProgramFiles%\\Tools\\Access.exe\"", "D:\\Old\\MSACCESS.EXE"}));
  TempFolder folder;
  const std::string program = folder / "View Manual.exe";
  WriteBytes(program, "MZ");
  // In the machine's classes, the only ones Wine reads; Windows reads them with the user's.
  const std::wstring command = L"\"" + Widen(program) + L"\" /view \"%1\"", kind = L"Corvane.Test" + stamp;
  const TestKey extension(HKEY_LOCAL_MACHINE, L"Software\\Classes\\" + Widen(type), REG_SZ, kind);
  const TestKey opener(HKEY_LOCAL_MACHINE, L"Software\\Classes\\" + kind, REG_SZ, command, L"shell\\open\\command");
  const std::optional<Association> association = platform.AssociationOf(type);
  ASSERT_TRUE(association);
  EXPECT_TRUE(platform.SameFileName(association->program, program)) << association->program;
  EXPECT_EQ(association->command, Narrow(command));
}

TEST(VersionInfo, TheNumbersAndTextsOfTheProjectsVersion) {
  DWORD ignored = 0;
  std::vector<char> block(::GetFileVersionInfoSizeW(kCorvaneExe, &ignored));
  ASSERT_FALSE(block.empty()) << "no version resource in Corvane.exe";
  ASSERT_TRUE(::GetFileVersionInfoW(kCorvaneExe, 0, static_cast<DWORD>(block.size()), block.data()));
  const auto query = [&](const std::wstring& path) -> const void* {
    void* value = nullptr;
    UINT size = 0;
    return ::VerQueryValueW(block.data(), path.c_str(), &value, &size) ? value : nullptr;
  };
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(query(L"\\"));
  ASSERT_NE(fixed, nullptr);
  EXPECT_EQ(fixed->dwFileVersionMS, kVersionNumbers[0] << 16 | kVersionNumbers[1]);
  EXPECT_EQ(fixed->dwFileVersionLS, kVersionNumbers[2] << 16);
  // Explorer looks the texts up under the language and code page of the first Translation entry.
  const auto* translation = static_cast<const WORD*>(query(L"\\VarFileInfo\\Translation"));
  ASSERT_NE(translation, nullptr);
  wchar_t texts[40];
  std::swprintf(texts, std::size(texts), L"\\StringFileInfo\\%04X%04X\\", translation[0], translation[1]);
  // The fields a file's properties show, as an administrator looks them up.
  for (auto [name, expected] : {std::pair<const wchar_t*, const wchar_t*>{L"ProductName", L"Corvane"},
                                {L"FileDescription", L"Corvane application launcher"},
                                {L"FileVersion", kVersion},
                                {L"ProductVersion", kVersion},
                                {L"OriginalFilename", L"Corvane.exe"},
                                {L"InternalName", L"Corvane"}}) {
    EXPECT_STREQ(static_cast<const wchar_t*>(query(texts + std::wstring(name))), expected) << name;
  }
  EXPECT_NE(query(texts + std::wstring(L"LegalCopyright")), nullptr);
  // Event Viewer shows an event of either kind with its text as it is, from the exe's message table.
  const HMODULE exe = ::LoadLibraryExW(kCorvaneExe, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  for (DWORD event : {1, 2}) {
    const DWORD_PTR text[] = {reinterpret_cast<DWORD_PTR>(L"skipped: in use")};
    wchar_t shown[64] = {};
    ::FormatMessageW(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_ARGUMENT_ARRAY, exe, event, 0, shown, 64,
                     reinterpret_cast<va_list*>(const_cast<DWORD_PTR*>(text)));
    EXPECT_STREQ(shown, L"skipped: in use\r\n") << event;
  }
  ::FreeLibrary(exe);
}

// With this option and a folder, the test program copies FOLDER\a and FOLDER\b in turn over FOLDER\App1.mde, as
// every replacement of a database or backup is made, until it is ended.
constexpr std::string_view kReplace = "--replace=";
[[noreturn]] void ReplaceUntilEnded(const std::string& folder) {
  Win32Platform platform;
  for (int round = 0;; ++round) {
    CopyViaScratch(platform, folder + (round % 2 == 0 ? "\\b" : "\\a"), folder + "\\App1.mde");
  }
}

// What the host tests' crashes assume: a process ended between two calls, or inside one, leaves the file it replaces
// as the old version or the new, never neither and never part of one; a copy cut short stays under its scratch name.
TEST(CrashTest, AProcessEndedWhileItReplacesAFileLeavesTheOldVersionOrTheNewNeverNeither) {
  TempFolder folder;
  const std::string a(2 << 20, 'a'), b(2 << 20, 'b');  // long enough that some ends fall inside a copy
  WriteBytes(folder / "a", a);
  WriteBytes(folder / "b", b);
  WriteBytes(folder / "App1.mde", a);
  for (int run = 0; run < 12; ++run) {
    const ScopedHandle child = StartChild(kReplace, folder.path);
    ::Sleep(50 + 17 * run);
    ::TerminateProcess(child.Get(), 1);
    ::WaitForSingleObject(child.Get(), 5000);
    const std::string database = ReadBytes(folder / "App1.mde");
    EXPECT_TRUE(database == a || database == b) << "run " << run << ": " << database.size() << " bytes";
  }
}

}  // namespace
}  // namespace corvane::win32::test

int main(int argc, char** argv) {
  using namespace corvane::win32::test;
  constexpr std::string_view kChild = "--child=", kLauncher = "--launcher=";
  for (int index = 1; index < argc; ++index) {
    const std::string_view argument = argv[index];
    if (argument.starts_with(kLauncher)) {
      return LauncherStart(argv[index] + kLauncher.size());
    }
    if (argument.starts_with(kChild)) {
      ::Sleep(500);
      std::ofstream(argv[index] + kChild.size(), std::ios::binary) << ThisProgram();
      return 0;
    }
    if (argument.starts_with(kReplace)) {
      ReplaceUntilEnded(argv[index] + kReplace.size());
    }
    if (argument.starts_with(kHold)) {
      HoldAsAccessDoes(argv[index] + kHold.size());
      return 0;
    }
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
