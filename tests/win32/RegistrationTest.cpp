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

// A key the test makes with a default value, its own or its `subkey`'s, gone with everything under it at the end.
class TestKey {
 public:
  TestKey(HKEY root, std::wstring path, DWORD type, const std::wstring& value, const std::wstring& subkey = {},
          REGSAM view = 0)
      : root_(root), path_(std::move(path)), view_(view) {
    HKEY key = nullptr;
    const std::wstring at = subkey.empty() ? path_ : path_ + L"\\" + subkey;
    EXPECT_EQ(::RegCreateKeyExW(root_, at.c_str(), 0, nullptr, 0, KEY_SET_VALUE | view_, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const ScopedRegistryKey owned(key);
    EXPECT_EQ(::RegSetValueExW(key, nullptr, 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                               static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
  }
  ~TestKey() {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(root_, path_.c_str(), 0, KEY_ALL_ACCESS | view_, &key) == ERROR_SUCCESS) {
      ::RegDeleteTreeW(ScopedRegistryKey(key).Get(), nullptr);
    }
    ::RegDeleteKeyExW(root_, path_.c_str(), view_, 0);
  }

 private:
  HKEY root_;
  std::wstring path_;
  REGSAM view_;
};

// Wine reads only the machine's classes, where Windows also reads the user's, which a standard user may write.
HKEY WritableClassesRoot() {
  HKEY key = nullptr;
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Classes", 0, KEY_CREATE_SUB_KEY, &key) != ERROR_SUCCESS) {
    return HKEY_CURRENT_USER;
  }
  ::RegCloseKey(key);
  return HKEY_LOCAL_MACHINE;
}

TEST(RegistrationTest, AppPathsComeAsStoredUserFirstAndFromTheThirtyTwoBitViewAndAMadeUpTypeOpensWithItsProgram) {
  Win32Platform platform;
  const std::wstring stamp = std::to_wstring(::GetTickCount64());
  const std::string name = "CorvaneTest" + Narrow(stamp) + ".EXE", type = ".corvane" + Narrow(stamp);
  EXPECT_TRUE(platform.AppPathRegistrations(name).empty());
  EXPECT_FALSE(platform.AssociationOf(type));

  const std::wstring appPaths = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + Widen(name);
  const TestKey user(HKEY_CURRENT_USER, appPaths, REG_EXPAND_SZ, L"\"%ProgramFiles%\\Tools\\Access.exe\"");
  const TestKey machine(HKEY_LOCAL_MACHINE, appPaths, REG_SZ, L"D:\\Old\\MSACCESS.EXE", {}, KEY_WOW64_32KEY);
  EXPECT_EQ(platform.AppPathRegistrations(name),
            (std::vector<std::string>{"\"%ProgramFiles%\\Tools\\Access.exe\"", "D:\\Old\\MSACCESS.EXE"}));

  TempFolder folder;
  const std::string program = folder / "View Manual.exe";
  WriteBytes(program, "MZ");
  const std::wstring command = L"\"" + Widen(program) + L"\" /view \"%1\"", kind = L"Corvane.Test" + stamp;
  const TestKey extension(WritableClassesRoot(), L"Software\\Classes\\" + Widen(type), REG_SZ, kind);
  const TestKey opener(WritableClassesRoot(), L"Software\\Classes\\" + kind, REG_SZ, command, L"shell\\open\\command");
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
