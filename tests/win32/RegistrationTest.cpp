// What Windows says is installed, read back from keys the test writes into the prefix's registry: App Paths in both
// views, and a made-up type's association. (The environment is proven by the journey that expands %SystemDrive%.)
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "platform/win32/Win32Platform.h"

namespace corvane::win32::test {
namespace {

// A key the test makes, gone with everything under it when the test ends.
class TestKey {
 public:
  TestKey(HKEY root, std::wstring path, REGSAM view = 0) : root_(root), path_(std::move(path)), view_(view) {}
  ~TestKey() {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(root_, path_.c_str(), 0, KEY_ALL_ACCESS | view_, &key) == ERROR_SUCCESS) {
      ::RegDeleteTreeW(ScopedRegistryKey(key).Get(), nullptr);
    }
    ::RegDeleteKeyExW(root_, path_.c_str(), view_, 0);
  }

  void SetDefault(DWORD type, const std::wstring& value, const std::wstring& subkey = {}) const {
    HKEY key = nullptr;
    const std::wstring path = subkey.empty() ? path_ : path_ + L"\\" + subkey;
    ASSERT_EQ(::RegCreateKeyExW(root_, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE | view_, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const ScopedRegistryKey owned(key);
    ASSERT_EQ(::RegSetValueExW(key, nullptr, 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                               static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
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

const std::wstring kAppPaths = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

TEST(RegistrationTest, AppPathsComeAsStoredUserFirstAndFromTheThirtyTwoBitView) {
  Win32Platform platform;
  const std::string name = "CorvaneTest" + std::to_string(::GetTickCount64()) + ".EXE";
  EXPECT_TRUE(platform.AppPathRegistrations(name).empty());

  const TestKey user(HKEY_CURRENT_USER, kAppPaths + Widen(name));
  user.SetDefault(REG_EXPAND_SZ, L"\"%ProgramFiles%\\Tools\\Access.exe\"");
  const TestKey machine(HKEY_LOCAL_MACHINE, kAppPaths + Widen(name), KEY_WOW64_32KEY);
  machine.SetDefault(REG_SZ, L"D:\\Old\\MSACCESS.EXE");
  EXPECT_EQ(platform.AppPathRegistrations(name),
            (std::vector<std::string>{"\"%ProgramFiles%\\Tools\\Access.exe\"", "D:\\Old\\MSACCESS.EXE"}));
}

TEST(RegistrationTest, AMadeUpTypeOpensWithItsRegisteredProgramAndAnUnknownOneWithNone) {
  Win32Platform platform;
  const std::wstring stamp = std::to_wstring(::GetTickCount64());
  const std::wstring type = L".corvane" + stamp;
  const std::wstring kind = L"Corvane.Test" + stamp;
  EXPECT_FALSE(platform.AssociationOf(Narrow(type)));

  TempFolder folder;
  const std::string program = folder / "View Manual.exe";
  WriteBytes(program, "MZ");
  const std::wstring command = L"\"" + Widen(program) + L"\" /view \"%1\"";
  const TestKey extension(WritableClassesRoot(), L"Software\\Classes\\" + type);
  extension.SetDefault(REG_SZ, kind);
  const TestKey opener(WritableClassesRoot(), L"Software\\Classes\\" + kind);
  opener.SetDefault(REG_SZ, command, L"shell\\open\\command");
  const std::optional<Association> association = platform.AssociationOf(Narrow(type));
  ASSERT_TRUE(association);
  EXPECT_TRUE(platform.SameFileName(association->program, program)) << association->program;
  EXPECT_EQ(association->command, Narrow(command));
}

}  // namespace
}  // namespace corvane::win32::test
