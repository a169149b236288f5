// What Windows says of programs, read back from keys the test writes into the prefix's registry: App Paths in both
// views, and a made-up type's association (the environment is proven by the journey that expands %SystemDrive%); and
// the version resource of the built Corvane.exe, read with the calls behind Explorer's file properties.
#include <gtest/gtest.h>

#include <cwchar>

#include "TestFiles.h"
#include "VersionTestConfig.h"
#include "platform/win32/Win32Platform.h"

// after windows.h, which it needs
#include <winver.h>

namespace corvane::win32::test {
namespace {

// A key the test makes in the registry view `view` with a default value, its own or its `subkey`'s, gone with
// everything under it at the end.
struct TestKey {
  TestKey(HKEY root, std::wstring path, DWORD type, const std::wstring& value, const std::wstring& subkey = {},
          REGSAM view = 0)
      : root(root), path(std::move(path)), view(view) {
    HKEY key = nullptr;
    const std::wstring at = subkey.empty() ? this->path : this->path + L"\\" + subkey;
    EXPECT_EQ(::RegCreateKeyExW(root, at.c_str(), 0, nullptr, 0, KEY_SET_VALUE | view, nullptr, &key, nullptr),
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
}

}  // namespace
}  // namespace corvane::win32::test
