// The version resource of the built Corvane.exe, read back with the calls behind Explorer's file properties.
#include <windows.h>
// after windows.h, which it needs
#include <winver.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "VersionTestConfig.h"

namespace corvane::win32::test {
namespace {

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
