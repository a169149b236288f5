// Against the real file system: existence, ANSI bytes, copies and their progress, files held open, read-only backups.
#include <gtest/gtest.h>

#include <algorithm>

#include "TestFiles.h"
#include "launcher/LocalCopy.h"
#include "platform/Failure.h"
#include "platform/win32/CopyWithProgress.h"
#include "platform/win32/ProgressWindow.h"
#include "platform/win32/Win32Platform.h"
#include "settings/ModuleState.h"
#include "settings/SettingsFiles.h"
#include "support/Backup.h"

namespace corvane::win32::test {
namespace {

class FileTest : public testing::Test {
 protected:
  TempFolder folder_;
  Win32Platform platform_;
};

TEST_F(FileTest, ExistsFindsWhatTheFilterAcceptsAndCallsAnythingAbsentFalse) {
  WriteBytes(folder_ / "Plain.mde", "x");
  WriteBytes(folder_ / "ReadOnly.mde", "x", FILE_ATTRIBUTE_READONLY);
  WriteBytes(folder_ / "Hidden.mde", "x", FILE_ATTRIBUTE_HIDDEN);
  WriteBytes(folder_ / "System.mdb", "x", FILE_ATTRIBUTE_SYSTEM);
  MakeFolder(folder_ / "Apps");
  MakeFolder(folder_ / "Secret", FILE_ATTRIBUTE_HIDDEN);
  MakeFolder(folder_ / "Sys", FILE_ATTRIBUTE_SYSTEM);
  struct Case {
    const char* pattern;
    bool asFile, asFolder;
  };
  constexpr Case kCases[] = {
      {"Plain.mde", true, true},    {"ReadOnly.mde", true, true},
      {"Hidden.mde", false, false}, {"System.mdb", false, false},
      {"Apps", false, true},        {"Secret", false, false},
      {"Sys", false, false},        {"Apps\\", false, true},
      {"Secret\\", false, false},   {"R?adOnly.md?", true, true},
      {"A*", false, true},          {"Missing.mde", false, false},
      {"Missing\\", false, false},  {"Missing\\App1.mde", false, false},
  };
  for (const Case& row : kCases) {
    EXPECT_EQ(platform_.Exists(folder_ / row.pattern, Lookup::NormalFiles), row.asFile) << row.pattern;
    EXPECT_EQ(platform_.Exists(folder_ / row.pattern, Lookup::Directories), row.asFolder) << row.pattern << " (folder)";
  }
}

// Settings files are ANSI both ways; text the code page cannot hold is refused, never stored with stand-ins.
TEST_F(FileTest, SettingsTextIsAnsiAndTextTheCodePageCannotHoldNeverReachesTheFile) {
  ASSERT_EQ(::GetACP(), 1252u) << "the test prefix's ANSI code page";
  const std::string path = folder_ / "CorvaneAppAlias.txt", bytes = "\"Caf\xE9\",\"HLQ\"\r\n";
  platform_.WriteTextFile(path, "\"Caf\xC3\xA9\",\"HLQ\"\r\n");
  EXPECT_TRUE(ReadBytes(path) == bytes && platform_.FromAnsi("Caf\xE9") == "Caf\xC3\xA9") << ReadBytes(path);
  for (const std::string& target : {path, folder_ / "CorvanePaths.txt"}) {
    EXPECT_THROW(platform_.WriteTextFile(target, "Snow \xE2\x98\x83\r\n"), PlatformError) << target;
  }
  EXPECT_EQ(ReadBytes(path), bytes);
  EXPECT_FALSE(std::filesystem::exists(folder_ / "CorvanePaths.txt"));
}

TEST_F(FileTest, AReadOnlyOrLockedFileIsLeftAsItWasAndAFailedOrShortCopyMakesNoFile) {
  WriteBytes(folder_ / "App1.mde", "new");
  WriteBytes(folder_ / "ReadOnly.mde", "kept", FILE_ATTRIBUTE_READONLY);
  WriteBytes(folder_ / "Locked.mde", "kept");
  {
    ScopedHandle inUse = OpenWithoutSharing(folder_ / "Locked.mde");
    for (const char* target : {"ReadOnly.mde", "Locked.mde"}) {
      EXPECT_THROW(platform_.CopyFile(folder_ / "App1.mde", folder_ / target), PlatformError) << target;
    }
    EXPECT_THROW(platform_.ReplaceFile(folder_ / "App1.mde", folder_ / "ReadOnly.mde"), PlatformError);
    EXPECT_THROW(platform_.CopyFile(folder_ / "Locked.mde", folder_ / "New.mde"), PlatformError);
  }
  EXPECT_EQ(ReadBytes(folder_ / "ReadOnly.mde"), "kept");
  EXPECT_EQ(ReadBytes(folder_ / "Locked.mde"), "kept");
  EXPECT_FALSE(std::filesystem::exists(folder_ / "New.mde"));
  // A copy step that wrote too little, whether it says so or not, leaves nothing behind, read-only as its source.
  for (const DWORD result : {DWORD{ERROR_SUCCESS}, DWORD{ERROR_DISK_FULL}}) {
    const auto shortCopy = [&](const std::wstring&, const std::wstring& to, const CopiedReport&) {
      WriteBytes(Narrow(to), "n", FILE_ATTRIBUTE_READONLY);
      return result;
    };
    EXPECT_THROW(CopyKeepingWindowsPainted(folder_ / "App1.mde", folder_ / "Short.mde", shortCopy), PlatformError);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "Short.mde")) << result;
  }
}

TEST_F(FileTest, ASlowCopyShowsItsProgressWhileTheCallersWindowsTakeNoInput) {
  const std::string source = folder_ / "App1.mde";
  MakeSparseFile(source, 1'024'000'000);
  // One of the caller's windows, which a typed key would change.
  HWND caller = ::CreateWindowExW(0, WC_EDITW, L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 100, nullptr, nullptr,
                                  nullptr, nullptr);
  bool callerEnabled = true, visible = false;
  HWND progress = nullptr;
  wchar_t heading[64] = {}, detail[64] = {};

  const auto slowCopy = [&](const std::wstring&, const std::wstring& to, const CopiedReport& report) {
    callerEnabled = ::IsWindowEnabled(caller);
    ::PostMessageW(caller, WM_CHAR, 'x', 0);
    report(512'000'000);
    for (int tries = 0; tries < 250 && !::IsWindowVisible(progress); ++tries) {
      ::Sleep(20);
      progress = ::FindWindowW(kProgressClassName, nullptr);
    }
    visible = ::IsWindowVisible(progress);
    // Read without a message to the caller's thread, which is busy with the copy.
    ::InternalGetWindowText(::GetWindow(progress, GW_CHILD), heading, 64);
    ::InternalGetWindowText(::GetWindow(::GetWindow(progress, GW_CHILD), GW_HWNDNEXT), detail, 64);
    MakeSparseFile(Narrow(to), 1'024'000'000);
    return DWORD{ERROR_SUCCESS};
  };
  CopyKeepingWindowsPainted(source, source + ".partial", slowCopy);

  EXPECT_FALSE(callerEnabled);
  EXPECT_TRUE(visible);
  EXPECT_STREQ(heading, L"Copying App1.mde");
  EXPECT_STREQ(detail, L"512 MB of 1024 MB");
  EXPECT_FALSE(::IsWindow(progress));
  EXPECT_TRUE(::IsWindowEnabled(caller));
  // The key typed meanwhile was dropped, not left to act now.
  for (MSG message; ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
    ::DispatchMessageW(&message);
  }
  EXPECT_EQ(::GetWindowTextLengthW(caller), 0);
  ::DestroyWindow(caller);
}

// As Access keeps the lock file of a database in use: open, sharing reads and writes with others.
// Another program holds the lock file as Access does; once it has ended, the file is stale.
TEST_F(FileTest, AFileHeldOpenByAnotherProgramIsSeenAndStillReadAStaleOneIsNotAndNeitherChanges) {
  const std::string lock = folder_ / "App1.ldb";
  WriteBytes(lock, "PC1");
  const ScopedHandle holder = StartHolding(lock);
  EXPECT_TRUE(Eventually([&] { return platform_.HeldOpen(lock); }));
  EXPECT_EQ(platform_.ReadBytes(lock, 2), "PC");
  ::TerminateProcess(holder.Get(), 0);
  ::WaitForSingleObject(holder.Get(), 5000);
  EXPECT_FALSE(platform_.HeldOpen(lock) || platform_.HeldOpen(folder_ / "Missing.ldb"));
  EXPECT_EQ(ReadBytes(lock), "PC1");
}

TEST_F(FileTest, CreateFolderMakesOneLevelFileSizeCountsBeyondFourGigabytesAndMakeWritableKeepsTheRest) {
  platform_.CreateFolder(folder_ / "ArcBackup");
  EXPECT_TRUE(std::filesystem::is_directory(folder_ / "ArcBackup"));
  EXPECT_THROW(platform_.CreateFolder(folder_ / "Outer\\Inner"), PlatformError);
  EXPECT_FALSE(std::filesystem::exists(folder_ / "Outer"));

  MakeSparseFile(folder_ / "Large.mde", (5ull << 30) + 7);
  EXPECT_EQ(platform_.FileSize(folder_ / "Large.mde"), (5ull << 30) + 7);
  EXPECT_THROW(platform_.FileSize(folder_.path), PlatformError);

  const std::string path = folder_ / "Arc12526App1.mde";
  WriteBytes(path, "x", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
  platform_.MakeWritable(path);
  EXPECT_EQ(AttributesOf(path) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE), FILE_ATTRIBUTE_ARCHIVE);
}

// A settings file someone hid or marked system stays so once replaced, and only a lookup of all files finds it.
TEST_F(FileTest, AReplacedHiddenOrSystemFileKeepsThoseAttributes) {
  for (const DWORD kept : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM}) {
    const std::string path = folder_ / ("Names" + std::to_string(kept) + ".txt"), scratch = path + ".new";
    WriteBytes(path, "old", kept);
    WriteBytes(scratch, "new");
    platform_.ReplaceFile(scratch, path);
    EXPECT_EQ(ReadBytes(path), "new");
    EXPECT_NE(AttributesOf(path) & kept, 0u) << kept;
    EXPECT_TRUE(platform_.Exists(path, Lookup::AllFiles) && !platform_.Exists(path, Lookup::NormalFiles)) << kept;
  }
}

// One folder however it is written, a drive letter mapped to it among them; the listing tells a read-only copy.
TEST_F(FileTest, AFolderHasOneIdentityWhateverItsSpellingAndAListingTellsReadOnlyFiles) {
  MakeFolder(folder_ / "R");
  MakeFolder(folder_ / "S");
  WriteBytes(folder_ / "R\\Kept.mde", "x", FILE_ATTRIBUTE_READONLY);
  WriteBytes(folder_ / "R\\Gone.mde", "x");
  std::string slashes = folder_ / "R";
  std::ranges::replace(slashes, '\\', '/');
  std::vector<std::string> spellings{slashes, folder_ / ".\\R\\"};
  // Under Wine, drive Z: is the root of the machine it runs on, so the folder is on Z: too.
  using UnixName = char*(CDECL*)(LPCWSTR);
  if (const auto unixName = reinterpret_cast<UnixName>(
          reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")))) {
    spellings.push_back(std::string("Z:") + unixName(Widen(folder_ / "R").c_str()));
    std::ranges::replace(spellings.back(), '/', '\\');
  }
  const std::optional<std::string> identity = platform_.FolderIdentity(folder_ / "R");
  ASSERT_TRUE(identity);
  for (const std::string& spelling : spellings) {
    EXPECT_EQ(platform_.FolderIdentity(spelling), identity) << spelling;
  }
  EXPECT_NE(platform_.FolderIdentity(folder_ / "S"), identity);
  EXPECT_FALSE(platform_.FolderIdentity(folder_ / "Missing") || platform_.FolderIdentity(folder_ / "R\\Kept.mde"));
  EXPECT_EQ(platform_.FullPathName(slashes + "/../S/./"), folder_ / "S\\");
  const std::vector<FolderEntry> listed = platform_.ListFiles(folder_ / "R");
  EXPECT_EQ(listed.size(), 2u);
  EXPECT_EQ(std::ranges::count_if(listed, [](const FolderEntry& e) { return e.readOnly == (e.name == "Kept.mde"); }),
            2);
}

// Answers Yes to every question and keeps the last text shown.
struct AnsweringYes : Win32Desktop {
  Answer ShowMessage(const std::string& text, const std::string&, Buttons) override {
    last = text;
    return Answer::Yes;
  }
  std::string last;
};

TEST(BackupTest, AYesReplacesTheBackupWhateverWasReadOnlyAndAFailureKeepsTheOldOne) {
  constexpr DWORD kPlain = FILE_ATTRIBUTE_NORMAL, kReadOnly = FILE_ATTRIBUTE_READONLY;
  const std::string kDatabase("db\0\xFF\r\nbytes", 11), kOldBackup = "older backup";
  struct Case {
    const char* what;
    DWORD database, backup;
    bool stalePartial, backupInUse;
  };
  constexpr Case kCases[] = {
      {"read-only database", kReadOnly, kPlain, false, false},
      {"read-only old backup", kPlain, kReadOnly, false, false},
      {"both read-only", kReadOnly, kReadOnly, false, false},
      {"read-only scratch file of an earlier run", kPlain, kPlain, true, false},
      {"old backup in use", kReadOnly, kPlain, false, true},
  };
  for (const Case& row : kCases) {
    TempFolder folder;
    AnsweringYes platform;
    Shortcuts11::State state;
    state.LauncherSettings.Apps[3] = {.AppName = "App4.mde", .AppPath = folder.path, .Alias = "App 4"};
    const std::string database = folder / "App4.mde";
    const std::string backup = folder / "ArcBackup\\" + BackupName(platform.Now(), "App4.mde");
    MakeFolder(folder / "ArcBackup");
    WriteBytes(database, kDatabase, row.database);
    WriteBytes(backup, kOldBackup, row.backup);
    // Written years ago: Wine reports the last-write time as the creation time, and a copy takes its source's.
    for (const std::string& old : {database, backup}) {
      std::filesystem::last_write_time(old, std::filesystem::file_time_type::clock::now() - std::chrono::days(1000));
    }
    if (row.stalePartial) {
      WriteBytes(backup + ".partial", "half a copy", kReadOnly);
    }
    ScopedHandle inUse = row.backupInUse ? OpenWithoutSharing(backup) : ScopedHandle();
    RunGuarded(platform, [&] { Shortcuts11::BackupApp(platform, state, 3); });
    inUse.Close();
    EXPECT_EQ(platform.last == "Replace Copy Done", !row.backupInUse) << row.what << ": " << platform.last;
    EXPECT_EQ(ReadBytes(backup), row.backupInUse ? kOldBackup : kDatabase) << row.what;
    EXPECT_EQ(AttributesOf(backup) & kReadOnly, 0u) << row.what;
    EXPECT_EQ(AttributesOf(database) & kReadOnly, row.database & kReadOnly) << row.what;
    EXPECT_FALSE(std::filesystem::exists(backup + ".partial")) << row.what;
    const Date made = platform.ListFiles(folder / "ArcBackup").at(0).created, now = platform.Now();
    EXPECT_EQ(made.year == now.year && made.month == now.month && made.day == now.day, !row.backupInUse) << row.what;
  }
}

// The next start must find the copy current, so it keeps the master's last-write time; its folders are made however
// deep, and the copy is the user's to change, whatever the master's attributes.
TEST(LocalCopyTest, KeepsTheMastersLastWriteTimeInFoldersMadeSeveralLevelsDeep) {
  TempFolder folder;
  AnsweringYes platform;
  const std::string master = folder / "App1.mdb", local = folder / "Local\\Corvane\\App1\\App1.mdb";
  const Selection app{.AppName = "App1.mdb", .AppPath = folder.path, .FullPath = master};
  EXPECT_FALSE(platform.StampOf(local) || platform.StampOf(folder.path));
  for (const auto& [content, daysAgo] : {std::pair{"first master", 1000}, std::pair{"rolled back", 2000}}) {
    WriteBytes(master, content, FILE_ATTRIBUTE_READONLY);
    std::filesystem::last_write_time(master,
                                     std::filesystem::file_time_type::clock::now() - std::chrono::days(daysAgo));
    EXPECT_EQ(CurrentLocalCopy(platform, app, local), local);
    EXPECT_EQ(ReadBytes(local), content);
    EXPECT_EQ(platform.StampOf(local), platform.StampOf(master));
    EXPECT_EQ(AttributesOf(local) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_TRUE(platform.last.empty()) << platform.last;
    ::SetFileAttributesW(Widen(master).c_str(), FILE_ATTRIBUTE_NORMAL);
  }
}

}  // namespace
}  // namespace corvane::win32::test
